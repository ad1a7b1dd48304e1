#pragma once

#include <QString>

namespace tvn {

// The Wine to name in the Exec of an entry this program writes for a program of `prefix`, where
// no entry of Wine's own in that prefix names one: for a prefix of a Lutris game the Wine runner
// its configuration names, for a Steam game's prefix the Proton its config_info names, when that
// runner's bin/wine exists; else "wine". `home` is the user's home folder.
QString wineLauncherOfManager(const QString& prefix, const QString& home);

} // namespace tvn
