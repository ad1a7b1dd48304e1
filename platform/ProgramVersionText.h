#pragma once

#include <QString>

namespace tvn {

#ifdef _WIN32
// What a program file's version resource says of it, for the category suggestion: its
// description, product and maker ("Image viewer", "IrfanView", "Irfan Skiljan"), joined by
// blanks; empty for a file without one or that cannot be read. `path` is a Windows path and may
// hold environment variables ("%ProgramFiles%\Vendor\app.exe"), as shortcut targets do.
QString programVersionText(const QString& path);
#else
// Elsewhere the programs of a Start Menu are Windows files of a Wine prefix, whose resources the
// system does not read: the same texts read by the program's own reader (PeResources.h).
// `path` is the file's Unix path.
QString programVersionText(const QString& path);
#endif

} // namespace tvn
