# Cross-builds for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64-posix).
# The posix flavour is the one whose C++ library has std::thread and std::mutex, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TORVANE_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw-w64 sysroot and the roots passed in
# CMAKE_FIND_ROOT_PATH (a Qt for Windows); programs run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
