#pragma once

#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// The debug text that limits the Programs walk to the shortcuts lying directly in the Programs
// folder.
inline constexpr auto kNoAnalysisDebugText = u"Do not analyse the system";

// Walks the Start Menu tree from `folder`, appending every shortcut outside the Programs
// folders (the user's and the all-users one) to Fast/Fast_Dirs: the classified copies. Files come
// before subfolders, subfolders in listing order; each finished folder adds one to the progress
// counter and pumps events. A folder that cannot be listed is reported once ("ERROR!"), sets
// ScanFailed and is left; the walk goes on with the next folder.
void ScanStartMenu(Tvn& tvn, const QString& folder);

// Walks the Programs tree from `folder` the same way, appending every shortcut to
// Progs/Progs_Dirs: the candidates for classification.
void ScanPrograms(Tvn& tvn, const QString& folder);

// Walks the all-users Programs tree the same way into Progs/Progs_Dirs. A folder that cannot
// be listed is left silently: its place is not the user's to configure.
void ScanAllUsersPrograms(Tvn& tvn, const QString& folder);

} // namespace tvn
