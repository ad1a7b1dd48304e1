#pragma once

#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// True for the display name of a help, read-me, manual, licence, release-notes, web-site or
// uninstall shortcut, in English, French or Italian ("Read Me", "Lisez-moi", "Guida di X",
// "Uninstall X", "Désinstaller X", "X on the Web"), or of a shortcut to a document ("x.txt").
// The keywords count as whole words only, whatever the letter case and accents, so a program
// whose name merely contains one ("Same Game", "KNotes", "HelpNDoc") is never taken for one.
bool isHelpShortcutName(const QString& name);

// Removes the help shortcuts from NotYet and NotYet_Dirs, keeping the order of the rest, and
// returns how many it removed. Meant to run right after the list has been rebuilt (nothing is
// selected then).
int hideHelpShortcuts(Tvn& tvn);

} // namespace tvn
