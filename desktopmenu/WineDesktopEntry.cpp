#include "desktopmenu/WineDesktopEntry.h"

#include "desktopmenu/WineMenuFiles.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace tvn {

namespace {

const QString kGroup = QStringLiteral("[Desktop Entry]");

// The keys the builder writes, in its order: the first four always, the rest where the
// shortcut has them.
const QStringList kFixedKeys{QStringLiteral("Name"), QStringLiteral("Exec"), QStringLiteral("Type"),
                             QStringLiteral("StartupNotify")};
const QStringList kOptionalKeys{QStringLiteral("Comment"), QStringLiteral("Path"),
                                QStringLiteral("Icon"), QStringLiteral("StartupWMClass")};

QString keyFileUnescaped(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u's')
            out += u' ';
        else if (next == u'n')
            out += u'\n';
        else if (next == u't')
            out += u'\t';
        else if (next == u'r')
            out += u'\r';
        else
            out += next;
    }
    return out;
}

// A launcher the copy's Exec can name as it stands: a program name or path with no character
// that would need quoting.
bool isPlainLauncher(const QString& launcher) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+/-]+$"));
    return plain.match(launcher).hasMatch();
}

} // namespace

WineDesktopEntry::WineDesktopEntry(QStringList lines, QString launcher)
    : lines_(std::move(lines))
    , launcher_(std::move(launcher)) {}

std::optional<WineDesktopEntry> WineDesktopEntry::read(const QByteArray& text, const QString& name,
                                                       const QString& prefix,
                                                       const QString& windowsPath) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (utf8.hasError() || !decoded.endsWith(u'\n'))
        return std::nullopt;
    const QStringList lines = decoded.chopped(1).split(u'\n');
    if (lines.size() < 1 + kFixedKeys.size() || lines[0] != kGroup)
        return std::nullopt;
    QString launcher;
    qsizetype nextOptional = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf(u'=');
        if (equals <= 0)
            return std::nullopt;
        const QString key = lines[i].left(equals);
        const QString value = keyFileUnescaped(lines[i].sliced(equals + 1));
        if (i <= kFixedKeys.size()) {
            if (key != kFixedKeys[i - 1])
                return std::nullopt;
        } else {
            const qsizetype at = kOptionalKeys.indexOf(key, nextOptional);
            if (at < 0)
                return std::nullopt;
            nextOptional = at + 1;
        }
        if (key == u"Name" && value != name)
            return std::nullopt;
        if (key == u"Type" && value != u"Application")
            return std::nullopt;
        if (key == u"StartupNotify" && value != u"true")
            return std::nullopt;
        if (key == u"Exec") {
            const QStringList arguments = execArguments(lines[i].sliced(equals + 1));
            if (arguments.size() != 4 || arguments[0] != u"env" ||
                arguments[1] != QStringLiteral("WINEPREFIX=") + prefix ||
                !isPlainLauncher(arguments[2]) ||
                arguments[3].compare(windowsPath, Qt::CaseInsensitive) != 0)
                return std::nullopt;
            launcher = arguments[2];
        }
    }
    return WineDesktopEntry(lines, launcher);
}

QByteArray WineDesktopEntry::textFor(const QString& name, const QString& prefix,
                                     const QString& windowsPath) const {
    QStringList lines = lines_;
    lines[1] = QStringLiteral("Name=") + WineMenuFiles::keyFileValue(name);
    lines[2] = QStringLiteral("Exec=") + WineMenuFiles::execValue(prefix, launcher_, windowsPath);
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QStringList WineDesktopEntry::execArguments(const QString& value) {
    const QString unescaped = keyFileUnescaped(value);
    QStringList arguments;
    QString current;
    bool started = false;
    bool quoted = false;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (c == u'\\' && i + 1 < unescaped.size() &&
            (!quoted || QStringView(u"\"`$\\").contains(unescaped[i + 1]))) {
            current += unescaped[++i];
            started = true;
        } else if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (c == u' ' && !quoted) {
            if (started)
                arguments << current.replace(QStringLiteral("%%"), QStringLiteral("%"));
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return {};
    if (started)
        arguments << current.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

} // namespace tvn
