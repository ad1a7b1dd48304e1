#pragma once

#include <QString>
#include <QStringList>

namespace tvn::tools {

// The file that marks a folder as a demo prefix made by this tool: only such a folder is
// ever replaced.
inline constexpr char kDemoPrefixMarker[] = ".torvane-demo-prefix";

struct DemoPrefixRequest {
    // The prefix folder (absolute or relative to the current folder).
    QString folder;
    // The Windows user whose Start Menu is made.
    QString userName;
    // Replace the folder when it holds a demo prefix made earlier.
    bool replace = false;
};

struct DemoPrefixResult {
    // Empty on success; otherwise what went wrong, for the user.
    QString error;
    // The shortcuts of the user's Programs tree and of the all-users one.
    int shortcutCount = 0;
    int allUsersShortcutCount = 0;
    // Files whose hidden attribute could not be stored (a file system without extended
    // attributes); they are left visible.
    QStringList unhiddenFiles;
};

// The user name for the demo: $USER, or "user" when it is unset or not a usable folder name.
QString demoUserName();

// Writes a fresh Wine-style prefix: user.reg and system.reg with the Shell Folders values, the
// dosdevices links, the user's Start Menu with its Programs tree and the all-users Programs
// tree. Refuses a folder that exists and is not
// empty, unless `replace` is set and the folder carries the demo marker; nothing outside the
// folder is ever touched (links are removed, never followed).
DemoPrefixResult makeDemoPrefix(const DemoPrefixRequest& request);

} // namespace tvn::tools
