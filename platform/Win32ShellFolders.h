#pragma once

#include "platform/ShellFolders.h"

namespace tvn {

// The Shell Folders as Windows keeps them: the per-user registry values and the machine's, read
// afresh each time.
class Win32ShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString& valueName) override;
    // A Windows machine has one all-users Start Menu, whatever the user's Start Menu folder.
    QString allUsersPrograms(const QString& startMenuFolder) override;
};

} // namespace tvn
