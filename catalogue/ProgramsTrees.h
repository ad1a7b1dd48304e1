#pragma once

#include "catalogue/Tvn.h"

#include <QString>
#include <QStringList>

// The Programs trees: the user's own, as configured, and the all-users one that goes with the
// Start Menu folder, looked up afresh at each analysis. Both hold the user's original
// shortcuts, so nothing inside either is ever changed; the category folders stay in the
// user's Start Menu folder.
namespace tvn {

// Every Programs tree in use, the user's first; the all-users one only when there is one.
QStringList programsTrees(const ProgramState& state);

// The all-users Programs folder that goes with these two folders, or an empty text when the
// lookup finds none, the folder cannot be listed, or it is, holds or lies inside the user's
// Programs folder (its shortcuts would be listed twice).
QString findAllUsersPrograms(Tvn& tvn, const QString& startMenuFolder,
                             const QString& programsFolder);

// Looks the all-users Programs folder up afresh for the working folders and hands every
// Programs tree to the guard.
void updateProgramsTrees(Tvn& tvn);

} // namespace tvn
