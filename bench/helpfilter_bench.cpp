// Measures the help-shortcut filter on two lists of real names:
//
//   helpfilter_bench [APPLICATION_NAMES HELP_SHORTCUT_NAMES]
//
// prints how many application names it would hide (each is a program the user wants to see)
// and how many help, read-me, manual and uninstall shortcut names it hides, naming every miss.
// Without arguments it reads the two lists kept in bench/data. Lines starting with '#' are
// comments.

#include "catalogue/HelpShortcutFilter.h"

#include <cstdio>
#include <cstdlib>
#include <QFile>
#include <QStringList>

namespace {

QStringList readNames(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "helpfilter_bench: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        std::exit(2);
    }
    QStringList names;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        if (!name.isEmpty() && !name.startsWith(u'#'))
            names.append(name);
    }
    return names;
}

// The names of `names` the filter hides (or, with `hidden` false, keeps).
QStringList namesWhere(const QStringList& names, bool hidden) {
    QStringList matching;
    for (const QString& name : names) {
        if (tvn::isHelpShortcutName(name) == hidden)
            matching.append(name);
    }
    return matching;
}

void printNames(const char* heading, const QStringList& names) {
    for (const QString& name : names)
        std::printf("  %s: %s\n", heading, qPrintable(name));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 1 && argc != 3) {
        std::fprintf(stderr, "usage: helpfilter_bench [APPLICATION_NAMES HELP_SHORTCUT_NAMES]\n");
        return 2;
    }
    const QString dataFolder = QStringLiteral(TORVANE_BENCH_DATA);
    const QStringList applications = readNames(argc == 3 ? QString::fromLocal8Bit(argv[1])
                                                         : dataFolder + "/application-names.txt");
    const QStringList helpShortcuts = readNames(
        argc == 3 ? QString::fromLocal8Bit(argv[2]) : dataFolder + "/help-shortcut-names.txt");

    const QStringList hiddenApplications = namesWhere(applications, true);
    const QStringList keptHelpShortcuts = namesWhere(helpShortcuts, false);
    std::printf("application names hidden:   %lld of %lld\n",
                static_cast<long long>(hiddenApplications.size()),
                static_cast<long long>(applications.size()));
    printNames("hidden", hiddenApplications);
    std::printf("help shortcut names hidden: %lld of %lld\n",
                static_cast<long long>(helpShortcuts.size() - keptHelpShortcuts.size()),
                static_cast<long long>(helpShortcuts.size()));
    printNames("kept", keptHelpShortcuts);
    return 0;
}
