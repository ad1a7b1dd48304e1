#include "platform/Win32ShellFolders.h"

#include "platform/Registry.h"
#include "platform/Win32Registry.h"

namespace tvn {

QString Win32ShellFolders::shellFolder(const QString& valueName) {
    Win32Registry registry;
    return getRegString(registry, kHkeyCurrentUser, QString::fromUtf16(kShellFoldersKey),
                        valueName);
}

QString Win32ShellFolders::allUsersPrograms(const QString&) {
    Win32Registry registry;
    return getRegString(registry, kHkeyLocalMachine, QString::fromUtf16(kShellFoldersKey),
                        QStringLiteral("Common Programs"));
}

} // namespace tvn
