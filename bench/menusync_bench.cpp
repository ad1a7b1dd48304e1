// Times the desktop menu sync of copies whose originals have no entry of Wine's own, in a prefix
// laid out as Wine leaves one: each copy's entry is written from its shortcut, with the icon of
// the program it names (a program file of its own for each, holding icons of 16, 32 and 48
// pixels). Then a sync with nothing to do, one that removes every entry, and a sync beside an
// event loop whose timer notes how late it fires: the longest stall of the window.
//
//     menusync_bench [--runs N] [--copies N] [--keep DIR]
//
// --keep DIR makes the prefix in DIR and reuses it in a later run. Every figure is the best of
// N runs (default 3), in milliseconds of elapsed time, with the bench's processor time beside it.

#include "catalogue/Categories.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/DesktopMenuSyncQueue.h"
#include "platform/PosixFileSystem.h"
#include "platform/Ui.h"
#include "tools/demoprefix/ProgramFile.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
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
    void showConfig() override {}
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
    void reportFailedEntries(const std::vector<FailedEntry>&, bool) override {}
    void reportUnreadableFolders(const QStringList&) override {}
    std::array<QString, kCategoryCount> captions = builtInCategoryCaptions();
    QString progress;
};

struct Options {
    int runs = 3;
    int copies = 1500;
    QString keep;
};

Options parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == u"--help" || option == u"-h") {
            std::printf("usage: menusync_bench [--runs N] [--copies N] [--keep DIR]\n");
            std::exit(0);
        }
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

double processorMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Timing {
    double ms = 0;
    double cpu = 0;
};

class Bench {
public:
    explicit Bench(const Options& options)
        : options_(options) {
        if (options.keep.isEmpty()) {
            scratch_ = std::make_unique<QTemporaryDir>();
            root_ = scratch_->path();
        } else {
            root_ = options.keep;
            QDir().mkpath(root_);
        }
        prefix_ = root_ + QStringLiteral("/prefix");
        environment_ = DesktopMenuEnvironment::fromSystem();
        environment_.wine = QStringLiteral("wine");
        environment_.home = root_ + QStringLiteral("/home");
        state_.startMenuPath = prefix_ + QStringLiteral("/drive_c/users/ann/Start Menu");
        state_.programsPath = state_.startMenuPath + QStringLiteral("/Programs");
        makePrefix();
    }

    void measure() {
        const int many = options_.copies;
        std::vector<Timing> written, idle, removed, queued;
        std::vector<double> stall;
        for (int r = 0; r < options_.runs; ++r) {
            freshMenuFolders();
            writeCopies(many);
            written.push_back(timedSync(many, 0));
            idle.push_back(timedSync(0, 0));
            removeCopies();
            removed.push_back(timedSync(0, many));

            freshMenuFolders();
            writeCopies(many);
            const auto [timing, late] = timedQueuedSync(many);
            queued.push_back(timing);
            stall.push_back(late);
            removeCopies();
        }
        std::printf("desktop menu sync, copies in two categories, best of %d runs (ms)\n",
                    options_.runs);
        std::printf("  %-50s %9s %9s\n", "", "wall", "cpu");
        print(QStringLiteral("%1 copies from shortcuts and program icons").arg(many), written);
        print(QStringLiteral("sync of %1 copies with nothing to do").arg(many), idle);
        print(QStringLiteral("sync removing %1 entries").arg(many), removed);
        print(QStringLiteral("%1 copies beside an event loop").arg(many), queued);
        std::printf("  %-50s %9.1f\n", "  its longest event-loop stall",
                    *std::min_element(stall.begin(), stall.end()));
    }

private:
    static void print(const QString& what, const std::vector<Timing>& times) {
        const auto best =
            std::min_element(times.begin(), times.end(),
                             [](const Timing& a, const Timing& b) { return a.ms < b.ms; });
        std::printf("  %-50s %9.1f %9.1f\n", qPrintable(what), best->ms, best->cpu);
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write ") + path);
    }

    QString name(int i) const { return QStringLiteral("Program %1").arg(i, 4, 10, QChar(u'0')); }

    // The prefix's layout without Wine, and a program file with icons for each copy.
    void makePrefix() {
        const QString marker = root_ + QStringLiteral("/made-%1").arg(options_.copies);
        if (QFile::exists(marker))
            return;
        write(prefix_ + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n");
        write(prefix_ + QStringLiteral("/.update-timestamp"), "1600000000\n");
        QDir().mkpath(state_.programsPath);
        QDir().mkpath(prefix_ + QStringLiteral("/dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), prefix_ + QStringLiteral("/dosdevices/c:"));
        for (int i = 0; i < options_.copies; ++i) {
            tools::ProgramFileContent program;
            const quint32 colour = 0xFF000000u | quint32(i * 2654435761u & 0xFFFFFF);
            program.iconGroups = {{{16, colour, {}}, {32, colour, {}}, {48, colour, {}}}};
            write(prefix_ + QStringLiteral("/drive_c/Program Files/") + name(i) +
                      QStringLiteral("/program.exe"),
                  tools::programFileBytes(program));
        }
        write(marker, "made");
    }

    // Each shortcut names a program of its own.
    QByteArray shortcut(int i) const {
        tools::ShellLinkTarget target;
        target.description = QStringLiteral("Program %1").arg(i);
        target.relativePath = QStringLiteral("..\\..\\..\\..\\Program Files\\") + name(i) +
                              QStringLiteral("\\program.exe");
        target.workingDirectory = QStringLiteral("C:\\Program Files\\") + name(i);
        return tools::shellLinkBytes(target);
    }

    void freshMenuFolders() {
        const QString xdg = root_ + QStringLiteral("/xdg");
        QDir(xdg).removeRecursively();
        QDir().mkpath(xdg);
        environment_.dataHome = xdg + QStringLiteral("/data");
        environment_.configHome = xdg + QStringLiteral("/config");
    }

    QString copyPath(int i) const {
        return state_.startMenuPath + u'/' + window_.captions[size_t(i % 2)] + u'/' + name(i) +
               QStringLiteral(".lnk");
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
    Timing timedSync(int written, int removedCount) {
        Tvn tvn{state_, fs_, ui_, lists(), window_};
        QElapsedTimer clock;
        const double cpu = processorMs();
        clock.start();
        const DesktopMenuSyncResult result = syncDesktopMenu(desktopMenuRequest(tvn, environment_));
        const Timing timing{double(clock.nsecsElapsed()) / 1e6, processorMs() - cpu};
        expect(result, written, removedCount);
        return timing;
    }

    // The sync as the window runs it: the request taken in a timer's slot, the sync on the
    // queue's thread, while a timer every 5 ms notes its longest lateness. The time taken
    // and that lateness.
    std::pair<Timing, double> timedQueuedSync(int written) {
        Tvn tvn{state_, fs_, ui_, lists(), window_};
        constexpr int kTick = 5;
        QEventLoop loop;
        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        double longest = 0;
        Timing timing;
        double cpu = 0;
        DesktopMenuSyncQueue queue(
            {[](qsizetype, qsizetype) {},
             [&](const DesktopMenuSyncResult& result) {
                 timing = {double(clock.nsecsElapsed()) / 1e6, processorMs() - cpu};
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
            cpu = processorMs();
            clock.start();
            queue.request(desktopMenuRequest(tvn, environment_));
        });
        sinceTick.start();
        ticker.start(kTick);
        loop.exec();
        return {timing, longest};
    }

    CatalogueLists lists() {
        return {lists_[0], lists_[1], lists_[2], lists_[3], lists_[4],
                lists_[5], lists_[6], lists_[7], lists_[8]};
    }

    Options options_;
    std::unique_ptr<QTemporaryDir> scratch_;
    QString root_;
    QString prefix_;
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
