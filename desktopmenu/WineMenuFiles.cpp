#include "desktopmenu/WineMenuFiles.h"

#include "desktopmenu/GeneratedFile.h"

#include <algorithm>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>

namespace tvn {

namespace {

// The line that marks a submenu's .directory file as written by this program: only such a
// file is ever removed, and only once no menu refers to it.
const QString kMark = QStringLiteral("X-Torvane-Category=true");

const QString kExecStart = QStringLiteral("env WINEPREFIX=");

// One argument of an Exec value: between double quotes, with " ` $ \ escaped by a backslash
// and % doubled, as the desktop entry rules ask. Every other character is safe inside quotes.
QString quotedArgument(const QString& argument) {
    QString out(u'"');
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        else if (c == u'%')
            out += u'%';
        out += c;
    }
    return out + u'"';
}

QString execPrefix(const QString& prefix) {
    return kExecStart + WineMenuFiles::keyFileValue(quotedArgument(prefix)) + u' ';
}

QString execSuffix(const QString& windowsPath) {
    return u' ' + WineMenuFiles::keyFileValue(quotedArgument(windowsPath));
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

bool writeText(const QString& path, const QString& text) {
    return writeGeneratedFile(path, text.toUtf8());
}

// Text inside an XML element, escaped as the builder escapes it.
QString xmlText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'&')
            out += QStringLiteral("&amp;");
        else if (c == u'<')
            out += QStringLiteral("&lt;");
        else if (c == u'>')
            out += QStringLiteral("&gt;");
        else if (c == u'\'')
            out += QStringLiteral("&apos;");
        else if (c == u'"')
            out += QStringLiteral("&quot;");
        else
            out += c;
    }
    return out;
}

// Every <Filename> of a .menu file with the names of the menus that enclose it.
struct MenuInclude {
    QStringList menus;
    QString filename;
};

struct MenuFileContent {
    std::vector<MenuInclude> includes;
    QStringList directories;
};

MenuFileContent readMenuFile(const QString& path) {
    MenuFileContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    QXmlStreamReader xml(&file);
    QStringList menus;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"Menu") {
                menus.append(QString());
            } else if (name == u"Name" && !menus.isEmpty()) {
                menus.last() = xml.readElementText().trimmed();
            } else if (name == u"Filename") {
                content.includes.push_back({menus, xml.readElementText().trimmed()});
            } else if (name == u"Directory") {
                content.directories.append(xml.readElementText().trimmed());
            }
        } else if (xml.isEndElement() && xml.name() == u"Menu" && !menus.isEmpty()) {
            menus.removeLast();
        }
    }
    return content;
}

QString desktopFileId(const QString& menu, const QString& entry) {
    return QStringLiteral("wine-") + menu + u'-' + entry + QStringLiteral(".desktop");
}

// The .menu file of an entry, as the builder writes it.
QByteArray menuFileText(const QString& menu, const QString& entry) {
    return QStringLiteral("<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                          "\"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
                          "<Menu>\n  <Name>Applications</Name>\n"
                          "  <Menu>\n    <Name>wine-wine</Name>\n"
                          "    <Directory>wine-wine.directory</Directory>\n"
                          "  <Menu>\n    <Name>wine-%1</Name>\n"
                          "    <Directory>wine-%1.directory</Directory>\n"
                          "    <Include>\n      <Filename>%2</Filename>\n    </Include>\n"
                          "  </Menu>\n  </Menu>\n</Menu>\n")
        .arg(xmlText(menu), xmlText(desktopFileId(menu, entry)))
        .toUtf8();
}

} // namespace

WineMenuFiles::WineMenuFiles(XdgFolders folders)
    : folders_(std::move(folders)) {}

QString WineMenuFiles::entryFolder(const QString& menu) const {
    return folders_.dataHome + QStringLiteral("/applications/wine/") + menu;
}

QString WineMenuFiles::desktopFile(const QString& menu, const QString& entry) const {
    return entryFolder(menu) + u'/' + entry + QStringLiteral(".desktop");
}

QString WineMenuFiles::menuFile(const QString& menu, const QString& entry) const {
    return mergedMenuFolder() + QStringLiteral("/wine-") + menu + u'-' + entry +
           QStringLiteral(".menu");
}

QString WineMenuFiles::directoryFile(const QString& menu) const {
    return directoryFolder() + QStringLiteral("/wine-") + menu + QStringLiteral(".directory");
}

QString WineMenuFiles::directoryFolder() const {
    return folders_.dataHome + QStringLiteral("/desktop-directories");
}

QString WineMenuFiles::mergedMenuFolder() const {
    return folders_.configHome + QStringLiteral("/menus/applications-merged");
}

bool WineMenuFiles::menuFileIncludes(const QString& menu, const QString& entry) const {
    // Mostly the file as this program writes it, found without parsing.
    QFile file(menuFile(menu, entry));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.readAll() == menuFileText(menu, entry))
        return true;
    file.close();
    const QString id = desktopFileId(menu, entry);
    const MenuFileContent content = readMenuFile(file.fileName());
    return std::any_of(content.includes.begin(), content.includes.end(),
                       [&](const MenuInclude& include) { return include.filename == id; });
}

bool WineMenuFiles::menuFileIsForEntry(const QString& menu, const QString& entry) const {
    const MenuFileContent content = readMenuFile(menuFile(menu, entry));
    const QStringList menus{QStringLiteral("Applications"), QStringLiteral("wine-wine"),
                            QStringLiteral("wine-") + menu};
    return content.includes.size() == 1 && content.includes[0].menus == menus &&
           content.includes[0].filename == desktopFileId(menu, entry);
}

QSet<QString> WineMenuFiles::referencedDirectoryFiles() const {
    QSet<QString> referenced;
    const QDir merged(mergedMenuFolder());
    for (const QString& name : merged.entryList({QStringLiteral("*.menu")}, QDir::Files))
        for (const QString& directory : readMenuFile(merged.filePath(name)).directories)
            referenced.insert(directory);
    return referenced;
}

void WineMenuFiles::writeMarkedDirectoryFile(const QString& menu) const {
    const QString path = directoryFile(menu);
    // A submenu named "wine" shares its file with Wine's own top menu, which must keep its name.
    if (menu == u"wine" || QFileInfo::exists(path) || !QDir().mkpath(directoryFolder()))
        return;
    writeText(path, QStringLiteral("[Desktop Entry]\nType=Directory\nName=") + keyFileValue(menu) +
                        QStringLiteral("\nIcon=folder\n") + kMark + u'\n');
}

QStringList WineMenuFiles::markedDirectoryMenus() const {
    QStringList menus;
    const QDir folder(directoryFolder());
    const QString head = QStringLiteral("wine-");
    const QString tail = QStringLiteral(".directory");
    for (const QString& name : folder.entryList({head + u'*' + tail}, QDir::Files)) {
        const auto lines = readLines(folder.filePath(name));
        if (lines && lines->contains(kMark))
            menus.append(name.sliced(head.size(), name.size() - head.size() - tail.size()));
    }
    return menus;
}

bool WineMenuFiles::writeEntry(const QString& menu, const QString& entry,
                               const QByteArray& text) const {
    if (!QDir().mkpath(entryFolder(menu)) || !QDir().mkpath(mergedMenuFolder()) ||
        !QDir().mkpath(directoryFolder()))
        return false;
    const QString wineDirectory = directoryFile(QStringLiteral("wine"));
    if (!QFileInfo::exists(wineDirectory) &&
        !writeText(wineDirectory,
                   QStringLiteral("[Desktop Entry]\nType=Directory\nName=Wine\nIcon=wine\n")))
        return false;
    return writeGeneratedFile(desktopFile(menu, entry), text) &&
           writeGeneratedFile(menuFile(menu, entry), menuFileText(menu, entry));
}

void WineMenuFiles::announceChange() const {
    QFile marker(folders_.dataHome + QStringLiteral("/applications/.torvane-menu-changed"));
    if (marker.open(QIODevice::WriteOnly))
        marker.close();
    marker.remove();
}

QString WineMenuFiles::keyFileValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            out += QStringLiteral("\\s");
        else
            out += c;
    }
    return out;
}

QString WineMenuFiles::execValue(const QString& prefix, const QString& launcher,
                                 const QString& windowsPath) {
    // A runner's path may hold blanks ("Proton 8.0/files/bin/wine").
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+/-]+$"));
    const QString program =
        plain.match(launcher).hasMatch() ? launcher : keyFileValue(quotedArgument(launcher));
    return execPrefix(prefix) + program + execSuffix(windowsPath);
}

} // namespace tvn
