#pragma once

#include <QString>

namespace tvn {

// Proposes the Start Menu and Programs folders the way the platform knows them, and finds the
// all-users Programs folder beside them.
class ShellFolders {
public:
    virtual ~ShellFolders() = default;
    // The folder named by the per-user Shell Folders value ("Start Menu" or "Programs") as a
    // path of this platform, or an empty text when it cannot be found.
    virtual QString shellFolder(const QString& valueName) = 0;
    // The all-users Programs folder ("Common Programs" of the machine's Shell Folders) that goes
    // with the Start Menu folder `startMenuFolder`, as a path of this platform, or an empty text
    // when it cannot be found. The folder itself may not exist.
    virtual QString allUsersPrograms(const QString& startMenuFolder) = 0;

    // The Wine prefix whose registry shellFolder reads. A platform with one registry of its own
    // has no prefix and ignores a choice.
    virtual QString prefix() const { return {}; }
    virtual void setPrefix(const QString&) {}
};

} // namespace tvn
