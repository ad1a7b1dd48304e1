#pragma once

#include <optional>
#include <QByteArray>

// The freedesktop trash, written here rather than taken from Qt: Qt 6.4 loops for ever on a
// name too long for the trash's record, refuses names that are not UTF-8, and does not set up
// a missing data folder. Undo needs to know where each file went, which GIO does not tell.
namespace tvn::posix {

// Moves the file at `path` (an on-disk spelling, not a folder) into the trash of its disk: the
// user's trash ($XDG_DATA_HOME/Trash) when it lies on the same disk, else `.Trash/$uid` or
// `.Trash-$uid` at the top of the file's disk. Returns where the file now lies, or nothing
// when no trash can take it (the file then stays where it was).
std::optional<QByteArray> moveToTrash(const QByteArray& path);

// Removes the trash's record of a file that has left the trash's `files/` folder.
void dropTrashRecord(const QByteArray& trashed);

} // namespace tvn::posix
