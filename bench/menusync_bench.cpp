// Times the desktop menu sync in a prefix made by wineboot, whose Programs folder holds
// shortcuts with the entries Wine's menu builder made for them. Their copies in two categories
// get entries in three ways: by Wine's builder, as before (copies whose originals have no
// entry: the baseline), and written from the originals' entries, for a few and for many copies.
// Then a sync with nothing to do, one that removes every entry, and a sync of many copies run
// beside an event loop whose timer notes how late it fires: the longest stall of the window.
//
//     menusync_bench [--runs N] [--copies N] [--many N] [--keep DIR]
//
// --keep DIR makes the prefix and the originals' entries in DIR (about 700 MB) and reuses them
// in a later run. Every figure is the best of N runs (default 3), in milliseconds of elapsed
// time: the work is done by Wine's processes and server, which the bench's own processor time
// does not count.

#include "catalogue/Categories.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/DesktopMenuSyncQueue.h"
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
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
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
    int copies = 200;
    int many = 1500;
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
        else if (option == u"--many")
            options.many = std::max(2, value.toInt());
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
        makeOriginals();
    }

    ~Bench() { run(QStringLiteral("wineserver"), {QStringLiteral("-k")}, wine_); }

    void measure() {
        const int few = options_.copies;
        const int many = std::max(options_.many, few);
        std::vector<double> byWine, fewWritten, manyWritten, idle, removed, stall, queued;
        for (int r = 0; r < options_.runs; ++r) {
            freshMenuFolders(false);
            writeCopies(few);
            byWine.push_back(timedSync(few, 0));
            removeCopies();

            freshMenuFolders(true);
            writeCopies(few);
            fewWritten.push_back(timedSync(few, 0));
            removeCopies();

            freshMenuFolders(true);
            writeCopies(many);
            manyWritten.push_back(timedSync(many, 0));
            idle.push_back(timedSync(0, 0));
            removeCopies();
            removed.push_back(timedSync(0, many));

            freshMenuFolders(true);
            writeCopies(many);
            const auto [ms, late] = timedQueuedSync(many);
            queued.push_back(ms);
            stall.push_back(late);
            removeCopies();
        }
        std::printf("desktop menu sync, copies in two categories, best of %d runs (ms)\n",
                    options_.runs);
        print(QStringLiteral("%1 copies by Wine's builder (baseline)").arg(few), byWine);
        print(QStringLiteral("%1 copies from the originals' entries").arg(few), fewWritten);
        print(QStringLiteral("%1 copies from the originals' entries").arg(many), manyWritten);
        print(QStringLiteral("sync of %1 copies with nothing to do").arg(many), idle);
        print(QStringLiteral("sync removing %1 entries").arg(many), removed);
        print(QStringLiteral("%1 copies beside an event loop").arg(many), queued);
        print(QStringLiteral("  its longest event-loop stall"), stall);
        std::printf("  %d copies: %.1fx faster than Wine's builder; %.2f ms a copy against %.1f\n",
                    few, best(byWine) / best(fewWritten), best(manyWritten) / many,
                    best(byWine) / few);
    }

private:
    static double best(const std::vector<double>& times) {
        return *std::min_element(times.begin(), times.end());
    }
    static void print(const QString& what, const std::vector<double>& times) {
        std::printf("  %-46s %9.1f\n", qPrintable(what), best(times));
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

    // Each original differs from the others in its description, so that its copy is byte for
    // byte that one original.
    static QByteArray shortcut(int i) {
        tools::ShellLinkTarget target;
        target.description = QStringLiteral("Program %1").arg(i);
        target.relativePath = QStringLiteral("..\\..\\..\\..\\..\\..\\..\\windows\\notepad.exe");
        target.workingDirectory = QStringLiteral("C:\\windows");
        return tools::shellLinkBytes(target);
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write ") + path);
    }

    QString name(int i) const {
        return QStringLiteral("Program %1.lnk").arg(i, 4, 10, QChar(u'0'));
    }

    // The originals in Programs/Bench with the entries Wine's builder made for them, kept in
    // their own XDG folders that each run starts from.
    void makeOriginals() {
        const QString marker = root_ + QStringLiteral("/originals/made-%1").arg(options_.many);
        if (QFile::exists(marker))
            return;
        std::printf("making %d shortcuts and their entries with Wine ...\n", options_.many);
        std::fflush(stdout);
        QDir(root_ + QStringLiteral("/originals")).removeRecursively();
        QStringList links;
        const QString windowsPrograms = windowsPathIn(prefix_, state_.programsPath);
        for (int i = 0; i < options_.many; ++i) {
            write(state_.programsPath + QStringLiteral("/Bench/") + name(i), shortcut(i));
            links << windowsPrograms + QStringLiteral("\\Bench\\") + name(i);
        }
        const QString data = root_ + QStringLiteral("/originals/data");
        const QString config = root_ + QStringLiteral("/originals/config");
        WineMenuBuilder builder({environment_.wine, environment_.wineserver},
                                WineMenuBuilder::environmentFor(wine_, prefix_, data, config),
                                [] { return false; });
        builder.makeEntries(links, [](qsizetype) {});
        waitForServerEnd();
        write(marker, "made");
    }

    void waitForServerEnd() { run(QStringLiteral("wineserver"), {QStringLiteral("-w")}, wine_); }

    // Empty XDG folders, or the originals' entries alone.
    void freshMenuFolders(bool withOriginals) {
        const QString xdg = root_ + QStringLiteral("/xdg");
        QDir(xdg).removeRecursively();
        QDir().mkpath(xdg);
        if (withOriginals && !run(QStringLiteral("cp"),
                                  {QStringLiteral("-a"), root_ + QStringLiteral("/originals/data"),
                                   root_ + QStringLiteral("/originals/config"), xdg},
                                  QProcessEnvironment::systemEnvironment()))
            fail(QStringLiteral("cannot copy the originals' entries"));
        environment_.dataHome = xdg + QStringLiteral("/data");
        environment_.configHome = xdg + QStringLiteral("/config");
        // Wine's server is down between runs, as after a while without a sync.
        waitForServerEnd();
    }

    QString copyPath(int i) const {
        return state_.startMenuPath + u'/' + window_.captions[size_t(i % 2)] + u'/' + name(i);
    }

    void writeCopies(int count) {
        for (int i = 0; i < count; ++i)
            write(copyPath(i), shortcut(i));
    }

    void removeCopies() {
        for (int i = 0; i < 2; ++i)
            QDir(QFileInfo(copyPath(i)).path()).removeRecursively();
    }

    void expect(const DesktopMenuSyncResult& result, int written, int removedCount) {
        if (result.written != written || result.removed != removedCount || !result.failed.isEmpty())
            fail(QStringLiteral("sync wrote %1, removed %2, failed %3; expected %4 and %5")
                     .arg(result.written)
                     .arg(result.removed)
                     .arg(result.failed.size())
                     .arg(written)
                     .arg(removedCount));
    }

    // The sync as the window runs it, request included, on this thread.
    double timedSync(int written, int removedCount) {
        Tvn tvn{state_, fs_, ui_, lists(), window_};
        QElapsedTimer clock;
        clock.start();
        const DesktopMenuSyncResult result = SyncDesktopMenu(desktopMenuRequest(tvn, environment_));
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        expect(result, written, removedCount);
        return ms;
    }

    // The sync as the window runs it: the request taken in a timer's slot, the sync on the
    // queue's thread, while a timer every 5 ms notes its longest lateness. The elapsed time
    // and that lateness.
    std::pair<double, double> timedQueuedSync(int written) {
        Tvn tvn{state_, fs_, ui_, lists(), window_};
        constexpr int kTick = 5;
        QEventLoop loop;
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        double longest = 0;
        double ms = 0;
        DesktopMenuSyncQueue queue({[](qsizetype, qsizetype) {},
                                    [&](const DesktopMenuSyncResult& result) {
                                        ms = double(clock.nsecsElapsed()) / 1e6;
                                        expect(result, written, 0);
                                        loop.quit();
                                    }});
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6 - kTick);
            sinceTick.start();
        });
        QTimer::singleShot(20, [&] {
            clock.start();
            queue.request(desktopMenuRequest(tvn, environment_));
        });
        sinceTick.start();
        ticker.start(kTick);
        loop.exec();
        return {ms, longest};
    }

    CatalogueLists lists() {
        return {lists_[0], lists_[1], lists_[2], lists_[3], lists_[4],
                lists_[5], lists_[6], lists_[7], lists_[8]};
    }

    Options options_;
    std::unique_ptr<QTemporaryDir> scratch_;
    QString root_;
    QString prefix_;
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
