#pragma once

#include <QString>

namespace tvn {

// Paths are joined by plain concatenation with the platform's separator and never end with one.
#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

inline QString joinPath(const QString& folder, const QString& name) {
    return folder + QChar(kPathSeparator) + name;
}

// The last part of a path: the file or folder's own name.
inline QString folderName(const QString& path) {
    return path.mid(path.lastIndexOf(QChar(kPathSeparator)) + 1);
}

} // namespace tvn
