// Reads any bytes as a prefix's user.reg and system.reg: the Start Menu, Programs and all-users
// Programs folders through the whole chain (registry file, ANSI conversion, drive mapping), and
// the Shell Folders key directly.
#include "FuzzCheck.h"
#include "platform/Registry.h"
#include "platform/WineRegFile.h"
#include "platform/WineShellFolders.h"

#include <cstddef>
#include <cstdint>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir* prefix = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prefix = new QTemporaryDir;
    QDir(prefix->path()).mkpath(QStringLiteral("dosdevices"));
    QDir(prefix->path()).mkpath(QStringLiteral("drive_c/users/root/Start Menu/Programs"));
    QFile::link(QStringLiteral("../drive_c"), prefix->filePath(QStringLiteral("dosdevices/c:")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvn;
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& branch : {QStringLiteral("user.reg"), QStringLiteral("system.reg")}) {
        QFile file(prefix->filePath(branch));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(content) == content.size());
    }
    const QString driveC = prefix->path() + QStringLiteral("/drive_c");
    WineShellFolders folders(prefix->path());
    for (const QString& name : {QStringLiteral("Start Menu"), QStringLiteral("Programs")}) {
        const QString path = folders.shellFolder(name);
        FUZZ_CHECK(path.isEmpty() || path.startsWith(driveC));
    }
    const QString allUsers =
        folders.allUsersPrograms(driveC + QStringLiteral("/users/root/Start Menu"));
    FUZZ_CHECK(allUsers.isEmpty() || allUsers.startsWith(driveC));

    const QStringList key = QString::fromUtf16(kShellFoldersKey).split(u'\\');
    if (auto values = wine::findKey(content, key)) {
        for (const wine::RegValue& value : *values)
            FUZZ_CHECK(value.type != 1 || value.data.size() % 2 == 0);
    }
    return 0;
}
