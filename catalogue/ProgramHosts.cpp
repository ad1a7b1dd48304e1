#include "catalogue/ProgramHosts.h"

#include "catalogue/ClueWords.h"
#include "catalogue/ShellLinkFields.h"

#include <QRegularExpression>
#include <QSet>

namespace tvn {

bool startsThroughHost(const QString& name, const QString& path) {
    // By program key: "Python312\pythonw.exe" and "/usr/bin/python3" are both Python's.
    static const QSet<QString> hosts = {
        QStringLiteral("cmd"),      QStringLiteral("powershell"), QStringLiteral("pwsh"),
        QStringLiteral("wscript"),  QStringLiteral("cscript"),    QStringLiteral("mshta"),
        QStringLiteral("rundll32"), QStringLiteral("msiexec"),    QStringLiteral("explorer"),
        QStringLiteral("java"),     QStringLiteral("javaw"),      QStringLiteral("javaws"),
        QStringLiteral("python"),   QStringLiteral("pythonw"),    QStringLiteral("python3"),
        QStringLiteral("py"),       QStringLiteral("pyw"),        QStringLiteral("perl"),
        QStringLiteral("ruby"),     QStringLiteral("rubyw"),      QStringLiteral("php"),
        QStringLiteral("node"),     QStringLiteral("electron"),   QStringLiteral("dotnet"),
        QStringLiteral("mono"),     QStringLiteral("wine"),       QStringLiteral("env"),
        QStringLiteral("sh"),       QStringLiteral("bash"),       QStringLiteral("flatpak"),
        QStringLiteral("snap"),     QStringLiteral("xdgopen"),    QStringLiteral("sudo"),
        QStringLiteral("pkexec"),
    };
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    static const QRegularExpression notWordCharacters(QStringLiteral("[^\\p{L}\\p{N}+]+"));
    QString file = path.section(separators, -1);
    const qsizetype dot = file.lastIndexOf(u'.');
    if (dot > 0)
        file.truncate(dot);
    const QString host = programKey(file);
    if (!hosts.contains(host))
        return false;
    for (const QString& word : name.split(notWordCharacters, Qt::SkipEmptyParts))
        if (programKey(word) == host)
            return false;
    return programKey(name) != host;
}

QString programPathOf(const QString& name, const ShellLinkFields& fields) {
    const QString icon = fields.iconLocation.section(u',', 0, 0);
    if (fields.targetPath.isEmpty() ||
        (startsThroughHost(name, fields.targetPath) && !icon.isEmpty()))
        return icon;
    return fields.targetPath;
}

} // namespace tvn
