#include "desktopmenu/OriginalEntries.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tvn {

namespace {

std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

OriginalEntries::OriginalEntries(const QString& dataHome, const QString& prefix,
                                 const std::vector<ProgramsTree>& trees) {
    const QString root = dataHome + QStringLiteral("/applications/wine/Programs");
    const QString extension = QStringLiteral(".desktop");
    QDirIterator it(root, {u'*' + extension}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // The shortcut's path below the Programs folder, less ".lnk": the entry's below root.
        const QString relative = path.sliced(root.size() + 1).chopped(extension.size());
        const auto text = readBytes(path);
        if (!text)
            continue;
        const QString name = QFileInfo(relative).fileName();
        for (const ProgramsTree& tree : trees) {
            const QString windowsPath = tree.windowsPath + u'\\' +
                                        QString(relative).replace(u'/', u'\\') +
                                        QStringLiteral(".lnk");
            auto entry = WineDesktopEntry::read(*text, name, prefix, windowsPath);
            if (!entry)
                continue;
            if (launcher_.isEmpty())
                launcher_ = entry->launcher();
            if (const auto shortcut =
                    readBytes(tree.path + u'/' + relative + QStringLiteral(".lnk")))
                entries_.insert(*shortcut, {std::move(*entry),
                                            QStringLiteral("wine-Programs-") +
                                                QString(relative).replace(u'/', u'-') + extension});
            break;
        }
    }
}

const OriginalEntry* OriginalEntries::forShortcut(const QByteArray& shortcut) const {
    const auto found = entries_.constFind(shortcut);
    return found == entries_.constEnd() ? nullptr : &*found;
}

} // namespace tvn
