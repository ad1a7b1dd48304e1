#include "tidy/TidyWatcher.h"

#include "platform/ProgramFolderLock.h"
#include "platform/ProtectedFileSystem.h"
#include "store/Undo.h"
#include "tidy/Tidy.h"
#include "tidy/TidyNotifier.h"
#include "tidy/TidyTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#ifndef _WIN32
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tvn {
namespace {

// An installer writes several shortcuts and folders in a row: the tidy waits until the trees
// have been quiet this long.
constexpr int kQuietMilliseconds = 1500;
// How often it looks whether the window has closed, while it is open.
constexpr int kWindowCheckMilliseconds = 2000;

#ifndef _WIN32
int signalPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
#endif

class Watcher final : public QObject {
public:
    Watcher(TidySession& session, UndoJournal& journal, ProgramFolderLock& lock, QTextStream& out,
            QTextStream& err)
        : session_(session)
        , journal_(journal)
        , lock_(lock)
        , out_(out)
        , err_(err) {
        quiet_.setSingleShot(true);
        quiet_.setInterval(kQuietMilliseconds);
        windowCheck_.setSingleShot(true);
        windowCheck_.setInterval(kWindowCheckMilliseconds);
        connect(&quiet_, &QTimer::timeout, this, &Watcher::tidyNow);
        connect(&windowCheck_, &QTimer::timeout, this, &Watcher::tidyNow);
        connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &Watcher::changed);
        connect(&notifier_, &TidyNotifier::undoRequested, this, &Watcher::undoNow);
    }

    void start() {
        watchTrees();
        tidyNow();
    }

private:
    void changed(const QString& folder) {
        // A tree moved away or deleted keeps its watches on the old folders: whatever happens
        // above the trees, they are watched afresh, and a tree that came or went is tidied.
        if (above_.contains(folder)) {
            const QStringList trees = watched_;
            watcher_.removePaths(watcher_.directories());
            watched_.clear();
            above_.clear();
            watchTrees();
            if (watched_ == trees)
                return;
        }
        quiet_.start();
    }

    // Every folder of the trees, and the folder above each tree (or the nearest existing one
    // above a tree that is gone), so that a tree deleted and made again is seen.
    void watchTrees() {
        QStringList folders;
        QStringList above;
        for (const QString& tree : session_.programsTrees()) {
            QString parent = QFileInfo(tree).dir().path();
            while (!QFileInfo(parent).isDir() && QFileInfo(parent).dir().path() != parent)
                parent = QFileInfo(parent).dir().path();
            above.append(parent);
            if (!QFileInfo(tree).isDir())
                continue;
            folders.append(tree);
            QDirIterator walk(tree, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                              QDirIterator::Subdirectories);
            while (walk.hasNext()) {
                walk.next();
                if (!walk.fileInfo().isSymLink())
                    folders.append(walk.filePath());
            }
        }
        QStringList gone;
        for (const QString& folder : watched_ + above_)
            if (!folders.contains(folder) && !above.contains(folder))
                gone.append(folder);
        if (!gone.isEmpty())
            watcher_.removePaths(gone);
        QStringList added;
        for (const QString& folder : folders + above)
            if (!watched_.contains(folder) && !above_.contains(folder) && !added.contains(folder))
                added.append(folder);
        if (!added.isEmpty())
            watcher_.addPaths(added);
        watched_ = folders;
        above_ = above;
    }

    void tidyNow() {
        watchTrees();
        // While the window holds the program folder it is the window's: look again later.
        if (!lock_.acquireForTidy()) {
            windowCheck_.start();
            return;
        }
        const TidyReport report = session_.tidy(syncDesktopMenuNow);
        lock_.release();
        // The copies made changed no watched folder; what the trees gained meanwhile did.
        watchTrees();
        const int language = session_.languageIndex();
        if (report.status != TidyReport::Status::Done) {
            err_ << report.problem << Qt::endl;
            return;
        }
        if (report.filed.empty() && report.failed.empty())
            return;
        printTidyReport(report, false, language, out_, err_);
        if (report.filed.empty())
            return;
        QStringList lines;
        for (const TidyFiled& filed : report.filed)
            lines.append(tidyText(TidyText::FiledLine, language).arg(filed.name, filed.category));
        if (report.waiting == 1)
            lines.append(tidyText(TidyText::NotificationWaitingOne, language));
        else if (report.waiting > 1)
            lines.append(tidyText(TidyText::NotificationWaiting, language).arg(report.waiting));
        const QString title =
            report.filed.size() == 1
                ? tidyText(TidyText::NotificationTitleOne, language)
                : tidyText(TidyText::NotificationTitle, language).arg(report.filed.size());
        notifier_.notify(title, lines.join(u'\n'), tidyText(TidyText::UndoAction, language));
    }

    void undoNow() {
        // With the window open, its own start offered the Undo already.
        if (!lock_.acquireForTidy())
            return;
        const UndoOutcome outcome = undoLastTidy(session_.tvn(), journal_);
        syncDesktopMenuNow(session_.tvn());
        lock_.release();
        const int language = session_.languageIndex();
        if (outcome.result == UndoOutcome::Result::Undone)
            notifier_.notify(tidyText(TidyText::Undone, language).arg(outcome.restored.size()), {},
                             {});
        else if (outcome.result == UndoOutcome::Result::Outdated)
            notifier_.notify(tidyText(TidyText::UndoImpossible, language)
                                 .arg(QDir::toNativeSeparators(outcome.what)),
                             {}, {});
    }

    TidySession& session_;
    UndoJournal& journal_;
    ProgramFolderLock& lock_;
    QTextStream& out_;
    QTextStream& err_;
    QFileSystemWatcher watcher_;
    // The folders of the trees, and those above them.
    QStringList watched_;
    QStringList above_;
    QTimer quiet_;
    QTimer windowCheck_;
    TidyNotifier notifier_;
};

} // namespace

int watchAndTidy(const TidyOptions& options, const ProgramFolders& folders,
                 ProtectedFileSystem& guard, UndoJournal& journal, Ui& ui,
                 ShellFolders& shellFolders, ProgramFolderLock& lock, QTextStream& out,
                 QTextStream& err) {
    TidySession session(guard, journal, guard, ui, shellFolders, folders);
    TidyOptions watching = options;
    watching.dryRun = false;
    if (const auto problem = session.settle(watching, QDir::homePath(), QDir::currentPath())) {
        printTidyReport(*problem, false, session.languageIndex(), out, err);
        return tidyExitCode(*problem);
    }
#ifndef _WIN32
    // The stop signals only write a byte; the event loop ends after the tidy under way.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return 1;
    QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
#endif
    out << tidyText(TidyText::WatchingStarted, session.languageIndex())
               .arg(QDir::toNativeSeparators(session.state().startMenuPath))
        << Qt::endl;
    Watcher watcher(session, journal, lock, out, err);
    watcher.start();
    return QCoreApplication::exec();
}

} // namespace tvn
