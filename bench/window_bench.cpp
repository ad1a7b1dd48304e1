// Times what the window adds to long operations: the event pump when nothing is pending (the
// list builds call it once per entry), and the visible list boxes filled, selected and
// emptied at 100,000 entries, each on the real main window shown on the offscreen platform.
//
//     window_bench [--entries N]
//
// Every figure is the best of five runs.

#include "app/frame/MainWindow.h"
#include "catalogue/ListBox.h"
#include "dialogs/Look.h"
#include "dialogs/QtUi.h"
#include "platform/PosixFileSystem.h"
#include "platform/ShellFolders.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace tvn {
namespace {

class NoShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString&) override { return {}; }
    QString allUsersPrograms(const QString&) override { return {}; }
};

double bestSeconds(const std::function<void()>& prepare, const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void report(const char* what, double seconds, int count) {
    std::printf("%-52s %9.3f ms  %8.3f us each\n", what, seconds * 1e3, seconds * 1e6 / count);
}

int run(int entries) {
    QtUi ui;
    PosixFileSystem fs;
    NoShellFolders shell;
    MainWindow frm(ui, fs, shell, [] { return QStringLiteral("/tmp"); });
    frm.show();
    frm.findChild<QFrame*>(QStringLiteral("creationPanel"))->show();
    QCoreApplication::processEvents();

    const auto nothing = [] {
    };
    report("pumpEvents, nothing pending",
           bestSeconds(nothing,
                       [&] {
                           for (int i = 0; i < entries; ++i)
                               ui.pumpEvents();
                       }),
           entries);
    report("pumpEvents with the progress label counting",
           bestSeconds(nothing,
                       [&] {
                           for (int i = 0; i < entries; ++i) {
                               frm.setProgressText(
                                   QStringLiteral("%1 %").arg(i * 100 / std::max(1, entries - 1)));
                               ui.pumpEvents();
                           }
                       }),
           entries);

    QStringList names;
    for (int i = 0; i < entries; ++i)
        names << QStringLiteral("Shortcut %1").arg(i, 7, 10, QChar(u'0'));
    ListBox& list = frm.tvn().lists.notYet;
    const auto empty = [&] {
        list.clear();
    };
    const auto filled = [&] {
        list.assign(names);
        QCoreApplication::processEvents();
    };
    report("assign, shown",
           bestSeconds(empty,
                       [&] {
                           list.assign(names);
                           QCoreApplication::processEvents();
                       }),
           entries);
    report("add 1,000 sorted entries into the full list",
           bestSeconds(filled,
                       [&] {
                           for (int i = 0; i < 1000; ++i)
                               list.add(
                                   QStringLiteral("Shortcut %1x").arg(i * 97, 7, 10, QChar(u'0')));
                       }),
           1000);
    report("select every entry, then show it",
           bestSeconds(filled,
                       [&] {
                           for (int i = 0; i < list.count(); ++i)
                               list.setSelected(i, true);
                           QCoreApplication::processEvents();
                       }),
           entries);
    int selected = 0;
    report("read every selection",
           bestSeconds(filled,
                       [&] {
                           selected = 0;
                           for (int i = 0; i < list.count(); ++i)
                               selected += list.isSelected(i) ? 1 : 0;
                       }),
           entries);
    report("remove 1,000 entries from the middle",
           bestSeconds(filled,
                       [&] {
                           for (int i = 0; i < 1000; ++i)
                               list.removeAt(list.count() / 2);
                       }),
           1000);
    report("clear, shown",
           bestSeconds(filled,
                       [&] {
                           list.clear();
                           QCoreApplication::processEvents();
                       }),
           entries);
    return 0;
}

} // namespace
} // namespace tvn

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tvn::applyTorvaneLook(app);
    int entries = 100000;
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == u"--entries")
        entries = std::max(1, arguments[2].toInt());
    else if (arguments.size() != 1) {
        std::printf("usage: window_bench [--entries N]\n");
        return arguments[1] == u"--help" || arguments[1] == u"-h" ? 0 : 2;
    }
    std::printf("window_bench: %d entries\n", entries);
    return tvn::run(entries);
}
