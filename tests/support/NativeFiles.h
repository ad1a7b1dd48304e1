#pragma once

#include <cstdint>
#include <QString>

// Marks that tests give files the way the platform itself does.
namespace tvn::test {

// Gives the file the DOS attributes (kDosHidden, kDosSystem...): on Windows its real attributes,
// on Linux the `user.DOSATTRIB` value Wine writes. False when the file system cannot keep them.
bool setDosAttributes(const QString& path, std::uint32_t attributes);

// Makes `link` a link to the folder `target` (relative to the link's folder or absolute): a
// symbolic link on Linux, a folder link on Windows. False when the system cannot make one.
bool makeFolderLink(const QString& target, const QString& link);

} // namespace tvn::test
