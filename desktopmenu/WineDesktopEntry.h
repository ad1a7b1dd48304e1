#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tvn {

// A menu entry exactly as Wine's menu builder writes it for a shortcut: one [Desktop Entry]
// group of UTF-8 lines holding only the keys the builder writes (Name, Exec, Type,
// StartupNotify, then any of Comment, Path, Icon, StartupWMClass), its Name the shortcut's name
// and its Exec starting that shortcut through Wine in one prefix. The entry of a copy of the
// shortcut differs from it only in its Name and its Exec, so it can be written without Wine.
class WineDesktopEntry {
public:
    // The entry in `text` when it is one Wine wrote for the shortcut named `name` (less
    // ".lnk") at `windowsPath` in `prefix`; nothing for anything else, however close.
    static std::optional<WineDesktopEntry> read(const QByteArray& text, const QString& name,
                                                const QString& prefix, const QString& windowsPath);

    // The entry of a copy named `name` at `windowsPath`: the same lines with the copy's Name,
    // and an Exec that starts the copy with the same launcher, quoted as desktop entries ask.
    QByteArray textFor(const QString& name, const QString& prefix,
                       const QString& windowsPath) const;

    // The Wine its Exec names ("wine", "wine-stable", a runner's path).
    const QString& launcher() const { return launcher_; }

    // The arguments of an Exec value, with the key file's escapes and then the quoting and
    // backslashes of the desktop entry rules undone.
    static QStringList execArguments(const QString& value);

private:
    explicit WineDesktopEntry(QStringList lines, QString launcher);

    QStringList lines_;
    QString launcher_;
};

} // namespace tvn
