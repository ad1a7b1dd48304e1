#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

// Windows looks names up without regard to letter case; a Linux file system does not. These
// helpers find the entry a Windows program would reach: each path is tried exactly first, and
// only when that fails is each name matched among its folder's entries ignoring case.
namespace tvn::posix {

// The name decoded from the bytes on disk, or nothing when they are not valid UTF-8 (such a
// name cannot be spelled in a QString and is left out of listings).
std::optional<QString> decodeName(const char* bytes, qsizetype size);

QByteArray joinNative(const QByteArray& folder, const QByteArray& name);

// The on-disk spelling of an existing path, or nothing when no entry matches.
std::optional<QByteArray> resolveExisting(const QByteArray& path);

// An entry that an operation creates or replaces.
struct Target {
    QByteArray path;   // on-disk spelling: the existing entry matching the name, else the new one
    QByteArray folder; // on-disk spelling of the folder that holds it
    QByteArray name;   // the last name as the caller spelled it
    bool exists = false;
};

// Nothing when the folder that would hold the entry does not exist.
std::optional<Target> resolveTarget(const QByteArray& path);

} // namespace tvn::posix
