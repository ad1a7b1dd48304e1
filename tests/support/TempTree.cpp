#include "tests/support/TempTree.h"

#include "platform/Paths.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tvn::test {

TempTree::TempTree() {
    if (!dir_.isValid())
        ADD_FAILURE() << "cannot create a temporary folder";
}

QString below(const QString& folder, const QString& relative) {
    return relative.isEmpty() ? folder : joinPath(folder, QDir::toNativeSeparators(relative));
}

QString TempTree::path(const QString& relative) const {
    return below(QDir::toNativeSeparators(dir_.path()), relative);
}

void TempTree::write(const QString& relative, const QByteArray& content) {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        ADD_FAILURE() << "cannot write " << full.toStdString();
}

void TempTree::makeFolder(const QString& relative) {
    if (!QDir().mkpath(path(relative)))
        ADD_FAILURE() << "cannot create " << relative.toStdString();
}

bool TempTree::exists(const QString& relative) const {
#ifdef _WIN32
    // Qt on Windows takes a .lnk file for a link to its target: the file itself counts here.
    return GetFileAttributesW(reinterpret_cast<const wchar_t*>(path(relative).utf16())) !=
           INVALID_FILE_ATTRIBUTES;
#else
    return QFileInfo::exists(path(relative));
#endif
}

QByteArray TempTree::read(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::map<QString, QByteArray> TempTree::snapshot(const QString& relative) const {
    std::map<QString, QByteArray> result;
    const QString root = path(relative);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString full = it.next();
        const QString key = full.mid(root.size() + 1);
        const QFileInfo info = it.fileInfo();
        if (info.isSymbolicLink())
            result[key] = "<link>" + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            result[key] = "<dir>";
        else {
            QFile file(full);
            result[key] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
    }
    return result;
}

} // namespace tvn::test
