#include "tools/demoprefix/ShellLinkFile.h"

#include "catalogue/ShellLinkFormat.h"

#include <QStringList>

namespace tvn::tools {

namespace {

using namespace shell_link;

constexpr quint32 kFileAttributeArchive = 0x20;
constexpr quint32 kShowNormal = 1;

void put16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

void put64(QByteArray& out, quint64 value) {
    put32(out, quint32(value & 0xFFFFFFFFu));
    put32(out, quint32(value >> 32));
}

// A string-data entry: its length in UTF-16 code units, then the code units, no terminator.
void putString(QByteArray& out, const QString& text) {
    put16(out, quint16(text.size()));
    for (QChar c : text)
        put16(out, c.unicode());
}

} // namespace

QByteArray shellLinkBytes(const ShellLinkTarget& target) {
    quint32 flags = HasName | HasRelativePath | HasWorkingDir | HasIconLocation | IsUnicode;
    if (!target.arguments.isEmpty())
        flags |= HasArguments;

    QByteArray out;
    put32(out, kHeaderSize);
    out.append(kLinkClassId, kLinkClassIdSize);
    put32(out, flags);
    put32(out, kFileAttributeArchive);
    put64(out, target.targetTime); // creation
    put64(out, target.targetTime); // access
    put64(out, target.targetTime); // write
    put32(out, target.targetSize);
    put32(out, quint32(target.iconIndex));
    put32(out, kShowNormal);
    put16(out, 0); // no hot key
    put16(out, 0); // reserved
    put32(out, 0);
    put32(out, 0);

    putString(out, target.description);
    putString(out, target.relativePath);
    putString(out, target.workingDirectory);
    if (flags & HasArguments)
        putString(out, target.arguments);
    putString(out, target.iconLocation);
    put32(out, 0); // terminal block
    return out;
}

QString relativeWindowsPath(const QString& folder, const QString& target) {
    const QStringList from = folder.split('\\', Qt::SkipEmptyParts);
    const QStringList to = target.split('\\', Qt::SkipEmptyParts);
    qsizetype common = 0;
    while (common < from.size() && common < to.size() - 1 &&
           from[common].compare(to[common], Qt::CaseInsensitive) == 0)
        ++common;
    QStringList parts;
    for (qsizetype i = common; i < from.size(); ++i)
        parts << QStringLiteral("..");
    parts << to.mid(common);
    return parts.join('\\');
}

} // namespace tvn::tools
