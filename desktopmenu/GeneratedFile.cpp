#include "desktopmenu/GeneratedFile.h"

#include <cstdio>
#include <QFile>
#include <QTemporaryFile>

namespace tvn {

bool writeGeneratedFile(const QString& path, const QByteArray& bytes) {
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    // rename(2) replaces an existing file, which QFile::rename refuses to do.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace tvn
