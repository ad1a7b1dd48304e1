#pragma once

#include <QString>

namespace tvn {

// Proposes the Start Menu and Programs folders the way the platform knows them.
class ShellFolders {
public:
    virtual ~ShellFolders() = default;
    // The folder named by the per-user Shell Folders value ("Start Menu" or "Programs") as a
    // path of this platform, or an empty text when it cannot be found.
    virtual QString shellFolder(const QString& valueName) = 0;
};

} // namespace tvn
