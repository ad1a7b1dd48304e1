// Times the catalogue on synthetic Start Menus of 1,000, 10,000 and 100,000 shortcuts:
// the full analysis against `find ROOT -iname '*.lnk'` on the same tree, and the building and
// filtering of the unclassified list with the real Qt event pump and a real progress label.
//
//     catalogue_bench [--runs N] [--sizes 1000,10000,100000] [--keep DIR]
//
// --keep DIR writes the trees into DIR and leaves them there; a later run reuses them.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. Every figure is the
// best of N runs (default 5) after one warm-up run, so the trees are in the page cache.

#include "Categories.h"
#include "HelpShortcutFilter.h"
#include "PosixFileSystem.h"
#include "QtListBox.h"
#include "QtUi.h"
#include "SystemAnalysis.h"
#include "Tvn.h"
#include "Ui.h"
#include "UnclassifiedList.h"
#include "VectorListBox.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tvn {
namespace {

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "catalogue_bench: %s\n", qPrintable(what));
    std::exit(1);
}

// The real event pump; any dialog means the bench itself went wrong.
class BenchUi final : public Ui {
public:
    Answer message(const QString& text, const QString&, Buttons, Icon) override {
        fail(QStringLiteral("unexpected message: ") + text);
    }
    QString input(const QString& prompt, const QString&, const QString&) override {
        fail(QStringLiteral("unexpected input dialog: ") + prompt);
    }
    void beep() override {}
    void pumpEvents() override { qt_.pumpEvents(); }
    void showModal(ModalWindow& window) override { window.execModal(); }
    void endProgram() override { fail(QStringLiteral("program ended")); }

private:
    QtUi qt_;
};

// The parts of the main window the catalogue uses, with a real, visible progress label.
class BenchWindow final : public Window {
public:
    BenchWindow() {
        auto* layout = new QVBoxLayout(&widget_);
        layout->addWidget(new QLabel(QStringLiteral("VI PREGO DI ATTENDERE..."), &widget_));
        label_ = new QLabel(&widget_);
        layout->addWidget(label_);
        widget_.resize(390, 80);
        widget_.show();
    }

    void ShowConfig() override { fail(QStringLiteral("the analysis opened the settings")); }
    void setPreviewPictureVisible(bool) override {}
    void setAbout2Visible(bool) override {}
    QString progressText() const override { return label_->text(); }
    void setProgressText(const QString& text) override { label_->setText(text); }
    QString debugText() const override { return {}; }
    bool hideHelpShortcuts() const override { return true; }
    QString categoryCaption(int k) const override {
        return builtInCategoryCaptions().at(static_cast<size_t>(k));
    }
    void setCategoryCaption(int, const QString&) override {}
    QString messageText(int k) const override { return QStringLiteral("Msg%1").arg(k); }

private:
    QWidget widget_;
    QLabel* label_ = nullptr;
};

// The hidden lists as in the main window; NotYet is the window's own list box adapter over a
// list widget, which lies on a hidden panel while the list is built.
struct Lists {
    VectorListBox progs, progsDirs, fast, fastDirs;
    QListWidget notYetWidget;
    QtListBox notYet{notYetWidget, true};
    VectorListBox notYetDirs;
    VectorListBox purgeList{true}, purgeDirs;
    VectorListBox listModify;

    CatalogueLists refs() {
        return {progs,      progsDirs, fast,      fastDirs,  notYet,
                notYetDirs, purgeList, purgeDirs, listModify};
    }
};

// What a Programs folder typically holds beside a program's own shortcut; several are the
// help, read-me and uninstall shortcuts the filter hides, some only differ from them in case.
const QStringList kCompanions = {
    QStringLiteral("%1 help"),          QStringLiteral("Uninstall %1"),
    QStringLiteral("uninstall %1"),     QStringLiteral("%1 Readme"),
    QStringLiteral("%1 readme"),        QStringLiteral("%1 Manual"),
    QStringLiteral("%1 Settings"),      QStringLiteral("%1 on the Web"),
    QStringLiteral("%1 release notes"), QStringLiteral("%1 Setup"),
    QStringLiteral("%1 Tools"),         QStringLiteral("%1 Player"),
};

struct Tree {
    QString startMenu;
    QString programs;
    int shortcuts = 0;
    int copies = 0;
    int folders = 0;
};

class TreeWriter {
public:
    void folder(const QString& path) {
        if (made_.contains(path))
            return;
        if (::mkdir(QFile::encodeName(path).constData(), 0755) != 0 && errno != EEXIST)
            fail(QStringLiteral("cannot create ") + path);
        made_.insert(path);
    }
    void file(const QString& path) {
        static const char content[] = "L\0\0\0\x01\x14\x02\0\0\0\0\0\xc0\0\0\0";
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST)
            return; // a tree kept from an earlier run
        if (fd < 0 || ::write(fd, content, sizeof content - 1) != sizeof content - 1)
            fail(QStringLiteral("cannot write ") + path);
        ::close(fd);
    }
    int folders() const { return static_cast<int>(made_.size()); }

private:
    QSet<QString> made_;
};

// A Start Menu whose Programs tree holds `count` shortcuts in vendor folders (a third of the
// products inside a suite folder), 2 to 6 shortcuts a product, and whose eleven category
// folders hold copies of every other shortcut.
Tree generate(const QString& root, int count) {
    Tree tree;
    tree.startMenu = root + QStringLiteral("/Start Menu");
    tree.programs = tree.startMenu + QStringLiteral("/Programs");
    TreeWriter writer;
    writer.folder(root);
    writer.folder(tree.startMenu);
    writer.folder(tree.programs);
    const auto categories = builtInCategoryCaptions();
    for (const QString& caption : categories)
        writer.folder(tree.startMenu + u'/' + caption);

    const int vendors = std::max(1, count / 300);
    for (int product = 0; tree.shortcuts < count; ++product) {
        const QString vendor =
            tree.programs + QStringLiteral("/Vendor %1").arg(product % vendors, 4, 10, QChar(u'0'));
        writer.folder(vendor);
        QString folder = vendor;
        if (product % 3 == 0) {
            folder += QStringLiteral("/Suite %1").arg(product / 3 % 4);
            writer.folder(folder);
        }
        const QString stem = QStringLiteral("Product %1").arg(product);
        folder += u'/' + stem;
        writer.folder(folder);
        for (int k = 0, size = 2 + product % 5; k < size && tree.shortcuts < count; ++k) {
            const QString name =
                (k == 0 ? stem : kCompanions[(product + k) % kCompanions.size()].arg(stem)) +
                QStringLiteral(".lnk");
            writer.file(folder + u'/' + name);
            if (tree.shortcuts % 2 == 0) {
                const QString& caption =
                    categories[static_cast<size_t>(tree.shortcuts / 2 % kCategoryCount)];
                writer.file(tree.startMenu + u'/' + caption + u'/' + name);
                ++tree.copies;
            }
            ++tree.shortcuts;
        }
    }
    tree.folders = writer.folders() - 1;
    return tree;
}

// Elapsed time and processor time (this process and the children it has waited for, so
// `find` counts too), in milliseconds. Processor time stays meaningful while other work
// shares the machine; elapsed time is what the user waits.
struct Timing {
    double wall = 1e30;
    double cpu = 1e30;

    void keepBest(const Timing& other) {
        wall = std::min(wall, other.wall);
        cpu = std::min(cpu, other.cpu);
    }
};

double processorMs() {
    timespec own{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own);
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    const auto ms = [](const timeval& t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    return own.tv_sec * 1e3 + own.tv_nsec / 1e6 + ms(children.ru_utime) + ms(children.ru_stime);
}

Timing timeOnce(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processorMs();
    run();
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        processorMs() - cpuStart};
}

// The best of `runs` timings of each, after one warm-up run of each. The runs alternate, so a
// burst of load on the machine cannot favour one side.
std::pair<Timing, Timing> bestOfBoth(int runs, const std::function<void()>& first,
                                     const std::function<void()>& second) {
    first();
    second();
    std::pair<Timing, Timing> fastest;
    for (int k = 0; k < runs; ++k) {
        fastest.first.keepBest(timeOnce(first));
        fastest.second.keepBest(timeOnce(second));
    }
    return fastest;
}

Timing best(int runs, const std::function<void()>& run) {
    return bestOfBoth(runs, run, [] {}).first;
}

void runFind(const QString& root) {
    const QByteArray path = QFile::encodeName(root);
    char* const args[] = {const_cast<char*>("find"), const_cast<char*>(path.constData()),
                          const_cast<char*>("-iname"), const_cast<char*>("*.lnk"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, "find", &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        fail(QStringLiteral("find failed on ") + root);
}

long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

struct Result {
    Tree tree;
    int progs = 0;
    int fast = 0;
    int notYetBuilt = 0;
    int notYetShown = 0;
    Timing find;
    Timing analysis;
    Timing listBuild;
};

Result measure(const QString& root, int count, int runs) {
    Result result;
    result.tree = generate(root, count);

    ProgramState state;
    state.startMenuPath = result.tree.startMenu;
    state.programsPath = result.tree.programs;
    PosixFileSystem fs;
    BenchUi ui;
    BenchWindow window;
    Lists lists;
    Tvn tvn{state, fs, ui, lists.refs(), window};

    std::tie(result.find, result.analysis) = bestOfBoth(
        runs, [&] { runFind(result.tree.startMenu); }, [&] { AnalyseSystem(tvn); });
    result.progs = lists.progs.count();
    result.fast = lists.fast.count();
    if (result.progs != result.tree.shortcuts || result.fast != result.tree.copies)
        fail(QStringLiteral("the analysis found %1 and %2 shortcuts, not %3 and %4")
                 .arg(result.progs)
                 .arg(result.fast)
                 .arg(result.tree.shortcuts)
                 .arg(result.tree.copies));

    result.listBuild = best(runs, [&] {
        BuildNotYetList(tvn);
        result.notYetBuilt = lists.notYet.count();
        HideHelpShortcuts(tvn);
    });
    result.notYetShown = lists.notYet.count();
    return result;
}

int run(int argc, char** argv) {
    QApplication app(argc, argv);
    int runs = 5;
    std::vector<int> sizes = {1000, 10000, 100000};
    QString keep;
    const QStringList args = app.arguments();
    for (qsizetype k = 1; k + 1 < args.size(); k += 2) {
        if (args[k] == u"--runs")
            runs = std::max(1, args[k + 1].toInt());
        else if (args[k] == u"--sizes") {
            sizes.clear();
            for (const QString& size : args[k + 1].split(u','))
                sizes.push_back(size.toInt());
        } else if (args[k] == u"--keep")
            keep = args[k + 1];
        else
            fail(QStringLiteral("unknown option ") + args[k]);
    }
    QTemporaryDir temporary;
    const QString base = keep.isEmpty() ? temporary.path() : keep;
    if (base.isEmpty() || !QDir().mkpath(base))
        fail(QStringLiteral("no folder for the trees"));

    std::printf("best of %d runs, warm cache, platform %s\n\n", runs,
                qPrintable(QApplication::platformName()));
    std::printf("%9s %7s %15s %15s %11s %15s %11s %15s\n", "shortcuts", "folders", "find ms",
                "analysis ms", "ratio", "Progs x Fast", "NotYet", "list ms");
    std::printf("%9s %7s %15s %15s %11s %15s %11s %15s\n", "", "", "wall / cpu", "wall / cpu",
                "wall / cpu", "", "shown/built", "wall / cpu");
    for (const int size : sizes) {
        const Result r = measure(base + QStringLiteral("/%1").arg(size), size, runs);
        std::printf("%9d %7d %7.1f / %5.1f %7.1f / %5.1f %5.2f / %4.2f %6d x %-6d %5d/%-5d "
                    "%7.1f / %5.1f\n",
                    r.tree.shortcuts, r.tree.folders, r.find.wall, r.find.cpu, r.analysis.wall,
                    r.analysis.cpu, r.analysis.wall / r.find.wall, r.analysis.cpu / r.find.cpu,
                    r.progs, r.fast, r.notYetShown, r.notYetBuilt, r.listBuild.wall,
                    r.listBuild.cpu);
        std::fflush(stdout);
    }
    std::printf("\npeak memory (VmHWM): %.1f MiB\n", static_cast<double>(peakMemoryKiB()) / 1024);
    std::printf("NotYet: entries shown after the filter / built; list ms: BuildNotYetList + "
                "HideHelpShortcuts\n");
    return 0;
}

} // namespace
} // namespace tvn

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return tvn::run(argc, argv);
}
