#pragma once

// The file system of the platform the program is built for.
#ifdef _WIN32
#include "platform/Win32FileSystem.h"
namespace tvn {
using NativeFileSystem = Win32FileSystem;
}
#else
#include "platform/PosixFileSystem.h"
namespace tvn {
using NativeFileSystem = PosixFileSystem;
}
#endif
