#include "desktopmenu/LinkDesktopEntry.h"

#include "catalogue/ShellLinkFields.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/WineMenuFiles.h"

#include <algorithm>
#include <QStringList>

namespace tvn {

namespace {

// A value without the control characters a desktop entry cannot hold; line ends and tabs
// become blanks.
QString entryValue(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            out += u' ';
        else if (c.unicode() >= 0x20 && c.unicode() != 0x7F && !c.isSurrogate())
            out += c;
    return WineMenuFiles::keyFileValue(out.trimmed());
}

QString windowsFolderOf(const QString& windowsPath) {
    return windowsPath.left(std::max<qsizetype>(windowsPath.lastIndexOf(u'\\'), 0));
}

} // namespace

LinkDesktopEntries::LinkDesktopEntries(const QString& prefix, QString launcher,
                                       const QString& dataHome)
    : prefix_(prefix)
    , launcher_(std::move(launcher))
    , folders_(prefix)
    , icons_(dataHome) {}

QByteArray LinkDesktopEntries::textFor(const CategoryCopy& copy, const QByteArray& shortcut) {
    QStringList lines{
        QStringLiteral("[Desktop Entry]"), QStringLiteral("Name=") + entryValue(copy.entry),
        QStringLiteral("Exec=") + WineMenuFiles::execValue(prefix_, launcher_, copy.windowsPath),
        QStringLiteral("Type=Application"), QStringLiteral("StartupNotify=true")};
    const ShellLinkFields link = parseShellLink(QByteArrayView(shortcut).first(std::min<qsizetype>(
                                                    shortcut.size(), kMaxShellLinkBytes)))
                                     .value_or(ShellLinkFields{});
    const QString base = windowsFolderOf(copy.windowsPath);
    if (const QString comment = entryValue(link.description); !comment.isEmpty())
        lines << QStringLiteral("Comment=") + comment;
    if (!link.workingFolder.isEmpty())
        if (const QString path = folders_.unixPathOfLinkedFile(link.workingFolder, base);
            !path.isEmpty())
            lines << QStringLiteral("Path=") + entryValue(path);
    const QString target = link.targetPath.isEmpty()
                               ? QString()
                               : folders_.unixPathOfLinkedFile(link.targetPath, base);
    const bool ownIcon = !link.iconLocation.isEmpty();
    const QString iconFile =
        ownIcon ? folders_.unixPathOfLinkedFile(link.iconLocation, base) : target;
    if (!iconFile.isEmpty())
        if (const QString icon = icons_.iconFor(iconFile, ownIcon ? link.iconIndex : 0);
            !icon.isEmpty())
            lines << QStringLiteral("Icon=") + icon;
    const QString targetName = QString(link.targetPath).replace(u'/', u'\\').section(u'\\', -1);
    if (const QString windowClass = entryValue(targetName.toLower()); !windowClass.isEmpty())
        lines << QStringLiteral("StartupWMClass=") + windowClass;
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace tvn
