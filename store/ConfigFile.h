#pragma once

#include <QString>

namespace tvn {

class FileSystem;

inline constexpr auto kConfigFileName = u"Config.tvn";
inline constexpr int kConfigRecordCount = 8;

// The settings Config.tvn keeps, one record each, in file order. Check-box values are 0
// (unchecked), 1 (checked) and 2 (grey).
struct ConfigRecords {
    bool configured = false;
    QString windowsDrive;
    QString startMenuPath;
    QString programsPath;
    int skipIntroduction = 0;
    int languageIndex = 0;
    int hideHelpShortcuts = 1;
    QString debugText;

    friend bool operator==(const ConfigRecords&, const ConfigRecords&) = default;
};

// Reads the records of the file at `path` in order over `records`. Loading ends silently at
// the end of the file, or at the first item that its setting cannot take (a Boolean or number
// that does not convert, a check-box value other than 0, 1 or 2, a language index outside 0 to
// 2): the records before it are in `records`, the later ones keep what `records` held. Returns
// how many records were read; kConfigRecordCount means the file was complete.
int readConfigFile(FileSystem& fs, const QString& path, ConfigRecords& records);

// Writes the eight records, each line ended by CR LF, through a temporary file and a rename.
// False, with any previous file left whole, when the file cannot be written or a text holds a
// double quote: the format has no escape, so such a file would load back wrong.
bool writeConfigFile(FileSystem& fs, const QString& path, const ConfigRecords& records);

} // namespace tvn
