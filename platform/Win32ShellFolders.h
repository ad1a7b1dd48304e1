#pragma once

#include "ShellFolders.h"

namespace tvn {

// The Shell Folders as Windows keeps them: the per-user registry values, read afresh each time.
class Win32ShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString& valueName) override;
};

} // namespace tvn
