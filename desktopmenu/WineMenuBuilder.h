#pragma once

#include <functional>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QProcess;

namespace tvn {

// Sets up `process` to run a Wine program. Wine's server and its helper processes stay up after
// the call, so they must hold nothing of ours: no pipe to read (their output goes nowhere),
// and none of the descriptors this program inherited (a lock, a launcher's pipe), which they
// would keep open for as long as they live.
void prepareWineProcess(QProcess& process);

// Runs Wine's own menu builder on shortcuts of one Wine prefix, as few processes as the
// command-line length allows, in one Wine server that stays up between the calls and ends by
// itself a few seconds after the last one. Runs on any thread: it waits for each process.
class WineMenuBuilder {
public:
    struct Programs {
        QString wine;
        // Empty when the server cannot be started ahead: each call then starts its own.
        QString wineserver;
    };

    // `environment` is the one the Wine processes run in: the prefix and the XDG folders set.
    // `stopRequested` is asked before each process: true leaves the links after it untried.
    WineMenuBuilder(Programs programs, QProcessEnvironment environment,
                    std::function<bool()> stopRequested);

    // Makes the menu entries of `links` (Windows paths of shortcuts); `onProgress` is told
    // how many links are done after each process. When a process cannot be started or does not
    // end in time, the links after it are not tried. Which entries exist is for the caller to
    // look at: Wine's exit code does not say which link failed.
    void makeEntries(const QStringList& links, const std::function<void(qsizetype)>& onProgress);

    // The environment for Wine's processes: `base` with the prefix, the XDG folders, no debug
    // output, and the menu builder allowed even where the user's overrides turn it off (prefix
    // managers do, so that installers leave the menu alone; here the user asked for the menu).
    static QProcessEnvironment environmentFor(QProcessEnvironment base, const QString& prefix,
                                              const QString& dataHome, const QString& configHome);

private:
    void startServer();
    QStringList nextBatch(const QStringList& links, qsizetype from) const;
    // False when the program could not be started or was stopped for taking too long.
    bool run(const QString& program, const QStringList& arguments);

    QString wine_;
    QString wineserver_;
    QProcessEnvironment environment_;
    std::function<bool()> stopRequested_;
};

} // namespace tvn
