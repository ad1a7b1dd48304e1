#pragma once

#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// True when `folder` is a Programs folder (the user's or the all-users one) or one of the
// folders that hold it (the Start Menu folder among them), judged by the objects on disk.
bool holdsProgramsFolder(Tvn& tvn, const QString& folder);

// True when `folder` is a Programs folder or lies inside its tree, judged by the objects on
// disk: the shortcuts there are the user's originals, which are never deleted, moved or renamed.
bool liesInProgramsTree(Tvn& tvn, const QString& folder);

// After a shortcut left `folder`: removes the folder when nothing at all is left in it. A folder
// that still holds a shortcut or anything else (a desktop.ini, a read-me, a hidden file, a
// subfolder) stays, and so do the Start Menu folder and the folders that hold a Programs
// folder. False when the folder cannot be read, or is empty and cannot be removed.
bool removeFolderIfNoShortcuts(Tvn& tvn, const QString& folder);

} // namespace tvn
