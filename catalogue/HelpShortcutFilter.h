#pragma once

#include "Tvn.h"

#include <QString>

namespace tvn {

// True for the display name of a help, read-me, manual, set-up or uninstall shortcut: the name
// ends (or, for a few keywords, starts) with one of the lower-case keywords. Letter case,
// blanks and punctuation count, so "ReadMe" or "Uninstall" are not matched.
bool isHelpShortcutName(const QString& name);

// Removes the help shortcuts from NotYet and NotYet_Dirs, keeping the order of the rest. Meant
// to run right after the list has been rebuilt (nothing is selected then).
void HideHelpShortcuts(Tvn& tvn);

} // namespace tvn
