#include "catalogue/ProgramHosts.h"

#include "catalogue/ClueWords.h"
#include "catalogue/ShellLinkFields.h"

#include <QSet>

namespace tvn {

bool startsThroughHost(const QString& name, const TargetParts& target) {
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
    const QString host = programKey(target.executable);
    if (!hosts.contains(host))
        return false;
    const QStringList words = programWords(name);
    return !words.contains(host) && words.join(QString()) != host;
}

bool startsThroughHost(const QString& name, const QString& path) {
    return startsThroughHost(name, targetParts(path));
}

QString programPathOf(const QString& name, const ShellLinkFields& fields) {
    const QString icon = fields.iconLocation.section(u',', 0, 0);
    if (fields.targetPath.isEmpty() ||
        (startsThroughHost(name, fields.targetPath) && !icon.isEmpty()))
        return icon;
    return fields.targetPath;
}

} // namespace tvn
