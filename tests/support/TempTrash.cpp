#include "tests/support/TempTrash.h"

#include <QDir>
#include <QFile>

namespace tvn::test {

TempTrash::TempTrash()
    : previous_(qgetenv("XDG_DATA_HOME"))
    , hadPrevious_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path()));
}

TempTrash::~TempTrash() {
    if (hadPrevious_)
        qputenv("XDG_DATA_HOME", previous_);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TempTrash::filesFolder() const {
    return dir_.filePath(QStringLiteral("Trash/files"));
}

QStringList TempTrash::files() const {
    return QDir(filesFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList TempTrash::records() const {
    return QDir(dir_.filePath(QStringLiteral("Trash/info")))
        .entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace tvn::test
