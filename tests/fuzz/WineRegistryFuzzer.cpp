// Reads any bytes as a prefix's user.reg: the Start Menu and Programs folders through the
// whole chain (registry file, ANSI conversion, drive mapping), and the Shell Folders key
// directly.
#include "FuzzCheck.h"
#include "Registry.h"
#include "WineRegFile.h"
#include "WineShellFolders.h"

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
    {
        QFile file(prefix->filePath(QStringLiteral("user.reg")));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(content) == content.size());
    }
    WineShellFolders folders(prefix->path());
    for (const QString& name : {QStringLiteral("Start Menu"), QStringLiteral("Programs")}) {
        const QString path = folders.shellFolder(name);
        FUZZ_CHECK(path.isEmpty() || path.startsWith(prefix->path() + QStringLiteral("/drive_c")));
    }

    const QStringList key = QString::fromUtf16(kShellFoldersKey).split(u'\\');
    if (auto values = wine::findKey(content, key)) {
        for (const wine::RegValue& value : *values)
            FUZZ_CHECK(value.type != 1 || value.data.size() % 2 == 0);
    }
    return 0;
}
