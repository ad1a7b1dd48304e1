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
// counter and pumps events. When `folder` itself cannot be listed the settings are wrong: that is
// reported once ("ERROR!") and sets ScanFailed. A folder inside it that cannot be read (another
// user's, a broken disk) is left and noted in unreadableFolders, and the walk goes on.
void scanStartMenu(Tvn& tvn, const QString& folder);

// Walks the Programs tree from `folder` the same way, appending every shortcut to
// Progs/Progs_Dirs: the candidates for classification.
void scanPrograms(Tvn& tvn, const QString& folder);

// Walks the all-users Programs tree the same way into Progs/Progs_Dirs. Its own folder, when it
// cannot be listed, is left silently: its place is not the user's to configure.
void scanAllUsersPrograms(Tvn& tvn, const QString& folder);

} // namespace tvn
