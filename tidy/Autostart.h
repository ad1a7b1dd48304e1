#pragma once

#include <QString>

namespace tvn {

// The entry that starts "torvane tidy --watch" when the user logs in: an XDG autostart desktop
// entry in $XDG_CONFIG_HOME/autostart (~/.config/autostart), or on Windows a shortcut in the
// user's Startup folder. Only the settings' check box makes it; the package ships none.
QString autostartEntryPath();
bool autostartEnabled();

// Writes the entry, starting `executable` in `programFolder` (where a program run from its
// build tree keeps its settings), or removes it. False when it could not be done.
bool setAutostart(bool enabled, const QString& executable, const QString& programFolder);

// The desktop entry's text (Linux).
QByteArray autostartDesktopEntry(const QString& executable, const QString& programFolder);

} // namespace tvn
