#pragma once

#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// True for the display name of a help, read-me, manual, set-up or uninstall shortcut: the name
// ends (or, for a few keywords, starts) with one of the keywords, in any letter case ("ReadMe",
// "Uninstall X"). Blanks and punctuation count, so "Read Me" is no "read-me".
bool isHelpShortcutName(const QString& name);

// Removes the help shortcuts from NotYet and NotYet_Dirs, keeping the order of the rest. Meant
// to run right after the list has been rebuilt (nothing is selected then).
void HideHelpShortcuts(Tvn& tvn);

} // namespace tvn
