// Times the desktop menu sync against Wine itself, in a prefix made by wineboot: a sync that
// adds 100 new copies (50 in each of two categories) with no Wine server running, a sync with
// nothing to do, and a sync that removes the 100 entries. Beside it, the same 100 entries made
// by one Wine process per copy in a running server, which is what the batching saves.
//
//     menusync_bench [--runs N] [--copies N] [--keep DIR]
//
// --keep DIR makes the prefix in DIR (about 700 MB) and reuses it in a later run. Every figure
// is the best of N runs (default 3), in milliseconds of elapsed time: the work is done by
// Wine's processes and server, which the bench's own processor time does not count.

#include "catalogue/Categories.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/WineMenuBuilder.h"
#include "desktopmenu/WinePrefix.h"
#include "platform/PosixFileSystem.h"
#include "platform/Ui.h"
#include "platform/WineShellFolders.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

namespace tvn {
namespace {

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "menusync_bench: %s\n", qPrintable(what));
    std::exit(1);
}

class BenchUi final : public Ui {
public:
    Answer message(const QString& text, const QString&, Buttons, Icon, const QString&) override {
        fail(QStringLiteral("unexpected message: ") + text);
    }
    QString input(const QString& prompt, const QString&, const QString&) override {
        fail(QStringLiteral("unexpected input dialog: ") + prompt);
    }
    QString chooseFolder(const QString& title, const QString&) override {
        fail(QStringLiteral("unexpected folder dialog: ") + title);
    }
    void beep() override {}
    void pumpEvents() override { ++pumps; }
    void showModal(ModalWindow& window) override { window.execModal(); }
    void endProgram() override { fail(QStringLiteral("program ended")); }
    int pumps = 0;
};

class BenchWindow final : public Window {
public:
    void ShowConfig() override {}
    void setLanguagePictureVisible(bool) override {}
    void setHelpCoverVisible(bool) override {}
    QString progressText() const override { return progress; }
    void setProgressText(const QString& text) override { progress = text; }
    QString debugText() const override { return {}; }
    bool hideHelpShortcuts() const override { return false; }
    QString categoryCaption(int k) const override { return captions.at(size_t(k)); }
    void setCategoryCaption(int k, const QString& caption) override {
        captions.at(size_t(k)) = caption;
    }
    QString messageText(Message) const override { return {}; }
    void ReportFailedEntries(const std::vector<FailedEntry>&) override {}
    void ReportUnreadableFolders(const QStringList&) override {}
    std::array<QString, kCategoryCount> captions = builtInCategoryCaptions();
    QString progress;
};

bool run(const QString& program, const QStringList& arguments,
         const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    prepareWineProcess(process);
    process.start(program, arguments);
    return process.waitForFinished(600'000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

struct Options {
    int runs = 3;
    int copies = 100;
    QString keep;
};

Options parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (i + 1 >= arguments.size())
            fail(QStringLiteral("missing value after ") + option);
        const QString value = arguments[++i];
        if (option == u"--runs")
            options.runs = std::max(1, value.toInt());
        else if (option == u"--copies")
            options.copies = std::max(2, value.toInt());
        else if (option == u"--keep")
            options.keep = QDir(value).absolutePath();
        else
            fail(QStringLiteral("unknown option ") + option);
    }
    return options;
}

class Bench {
public:
    explicit Bench(const Options& options)
        : options_(options) {
        environment_ = DesktopMenuEnvironment::fromSystem();
        if (environment_.wine.isEmpty())
            fail(QStringLiteral("Wine is not installed (Debian: wine, wine64)"));
        if (options.keep.isEmpty()) {
            scratch_ = std::make_unique<QTemporaryDir>();
            root_ = scratch_->path();
        } else {
            root_ = options.keep;
            QDir().mkpath(root_);
        }
        prefix_ = root_ + QStringLiteral("/prefix");
        wine_ = QProcessEnvironment::systemEnvironment();
        wine_.insert(QStringLiteral("WINEPREFIX"), prefix_);
        wine_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        makePrefix();
        WineShellFolders folders(prefix_);
        state_.startMenuPath = folders.shellFolder(QStringLiteral("Start Menu"));
        state_.programsPath = folders.shellFolder(QStringLiteral("Programs"));
        if (state_.startMenuPath.isEmpty())
            fail(QStringLiteral("the prefix has no Start Menu"));
        windowsStartMenu_ = windowsPathIn(prefix_, state_.startMenuPath);
    }

    ~Bench() { run(QStringLiteral("wineserver"), {QStringLiteral("-k")}, wine_); }

    void measure() {
        std::vector<double> added, idle, removed, perCopy;
        for (int r = 0; r < options_.runs; ++r) {
            freshMenuFolders();
            writeCopies();
            waitForServerEnd();
            added.push_back(timedSync(options_.copies, 0));
            idle.push_back(timedSync(0, 0));
            removeCopies();
            removed.push_back(timedSync(0, options_.copies));

            freshMenuFolders();
            writeCopies();
            perCopy.push_back(timedProcessPerCopy());
            removeCopies();
        }
        std::printf("desktop menu sync, %d copies in two categories, best of %d runs (ms)\n",
                    options_.copies, options_.runs);
        print("sync: new copies, no server running", added);
        print("sync: nothing to do", idle);
        print("sync: every copy gone", removed);
        print("one wine process per copy, server up", perCopy);
        std::printf("  per new copy: %.1f ms in the sync, %.1f ms a process each\n",
                    best(added) / options_.copies, best(perCopy) / options_.copies);
    }

private:
    static double best(const std::vector<double>& times) {
        return *std::min_element(times.begin(), times.end());
    }
    static void print(const char* what, const std::vector<double>& times) {
        std::printf("  %-40s %9.1f\n", what, best(times));
    }

    void makePrefix() {
        if (QFile::exists(prefix_ + QStringLiteral("/system.reg")))
            return;
        std::printf("making a Wine prefix in %s ...\n", qPrintable(prefix_));
        std::fflush(stdout);
        auto boot = wine_;
        // No Mono or Gecko prompt, no menu entries of the prefix's own, no window.
        boot.insert(QStringLiteral("WINEDLLOVERRIDES"),
                    QStringLiteral("mscoree,mshtml=;winemenubuilder.exe=d"));
        boot.remove(QStringLiteral("DISPLAY"));
        if (!run(QStringLiteral("wineboot"), {QStringLiteral("-i")}, boot) ||
            !run(QStringLiteral("wineserver"), {QStringLiteral("-w")}, boot))
            fail(QStringLiteral("wineboot failed"));
    }

    void waitForServerEnd() { run(QStringLiteral("wineserver"), {QStringLiteral("-w")}, wine_); }

    void freshMenuFolders() {
        QDir(root_ + QStringLiteral("/xdg")).removeRecursively();
        environment_.dataHome = root_ + QStringLiteral("/xdg/data");
        environment_.configHome = root_ + QStringLiteral("/xdg/config");
    }

    QString copyPath(int i) const {
        return state_.startMenuPath + u'/' + window_.captions[size_t(i % 2)] +
               QStringLiteral("/Program %1.lnk").arg(i, 4, 10, QChar(u'0'));
    }

    void writeCopies() {
        tools::ShellLinkTarget target;
        target.description = QStringLiteral("A program");
        target.relativePath = QStringLiteral("..\\..\\..\\..\\..\\..\\..\\windows\\notepad.exe");
        target.workingDirectory = QStringLiteral("C:\\windows");
        const QByteArray bytes = tools::shellLinkBytes(target);
        for (int i = 0; i < options_.copies; ++i) {
            QDir().mkpath(QFileInfo(copyPath(i)).path());
            QFile file(copyPath(i));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                fail(QStringLiteral("cannot write ") + copyPath(i));
        }
    }

    void removeCopies() {
        for (int i = 0; i < 2; ++i)
            QDir(QFileInfo(copyPath(i)).path()).removeRecursively();
    }

    double timedSync(int written, int removedCount) {
        Tvn tvn{state_, fs_, ui_, lists(), window_};
        QElapsedTimer clock;
        clock.start();
        const DesktopMenuSyncResult result = SyncDesktopMenu(tvn, environment_);
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (result.written != written || result.removed != removedCount || !result.failed.isEmpty())
            fail(QStringLiteral("sync wrote %1, removed %2, failed %3; expected %4 and %5")
                     .arg(result.written)
                     .arg(result.removed)
                     .arg(result.failed.size())
                     .arg(written)
                     .arg(removedCount));
        return ms;
    }

    double timedProcessPerCopy() {
        auto environment = wine_;
        environment.insert(QStringLiteral("XDG_DATA_HOME"), environment_.dataHome);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), environment_.configHome);
        waitForServerEnd();
        run(QStringLiteral("wineserver"), {QStringLiteral("-p5")}, environment);
        run(environment_.wine,
            {QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("exit")}, environment);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < options_.copies; ++i) {
            const QString relative = copyPath(i).sliced(state_.startMenuPath.size());
            run(environment_.wine,
                {QStringLiteral("winemenubuilder"),
                 windowsStartMenu_ + QString(relative).replace(u'/', u'\\')},
                environment);
        }
        return double(clock.nsecsElapsed()) / 1e6;
    }

    CatalogueLists lists() {
        return {lists_[0], lists_[1], lists_[2], lists_[3], lists_[4],
                lists_[5], lists_[6], lists_[7], lists_[8]};
    }

    Options options_;
    std::unique_ptr<QTemporaryDir> scratch_;
    QString root_;
    QString prefix_;
    QString windowsStartMenu_;
    QProcessEnvironment wine_;
    DesktopMenuEnvironment environment_;
    ProgramState state_;
    PosixFileSystem fs_;
    BenchUi ui_;
    BenchWindow window_;
    std::array<VectorListBox, 9> lists_;
};

} // namespace
} // namespace tvn

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const tvn::Options options = tvn::parse(app.arguments());
    tvn::Bench bench(options);
    bench.measure();
    return 0;
}
