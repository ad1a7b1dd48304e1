#pragma once

#include "desktopmenu/DesktopMenuSync.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <QObject>
#include <thread>

namespace tvn {

// Runs the desktop menu syncs one after the other on a thread of their own, so that the window
// never waits for the menu. A request supersedes the one waiting and stops the one running at
// its next step, unless it asks for the very sync that runs: that one then goes on, its work
// kept. Only one sync ever writes at a time. The listener is called on the thread that
// made the queue, through its event loop: with the progress of the newest request, and with its
// result once it has run to the end.
//
// GNOME's app folders change keeping what the shell shows (AppFolderChange::KeepingShown), and
// are brought in step once the shell has read the entries again, unless a newer request comes
// first, or at once when the queue is destroyed.
class DesktopMenuSyncQueue {
public:
    struct Listener {
        std::function<void(qsizetype done, qsizetype total)> progressed;
        std::function<void(const DesktopMenuSyncResult&)> finished;
    };

    explicit DesktopMenuSyncQueue(Listener listener);
    // Stops the running sync at its next step and waits for it: what it leaves, the next sync
    // completes.
    ~DesktopMenuSyncQueue();

    void request(DesktopMenuRequest request);
    // When GNOME's app folders are brought in step after a sync. The shell reads the entries
    // again some 5 s after it is told (GNOME 43), told at the sync's first change and at its
    // end. Then the folders no entry stands for go (an emptied folder would stay in the grid);
    // the programs whose entries are gone leave their folders later, since to a shell that has
    // not read the entries again, a renamed category's folder would then hold nothing.
    static constexpr std::chrono::milliseconds kGoneFoldersDelay{6000};
    static constexpr std::chrono::milliseconds kGoneProgramsDelay{15000};
    // True from a request until its result has reached the listener.
    bool busy() const { return busy_; }

private:
    void work();
    // Runs `call` on the queue's own thread, unless a newer request has come meanwhile.
    void tell(quint64 generation, std::function<void()> call);

    Listener listener_;
    // Receives the calls to the listener on the thread that made the queue.
    QObject receiver_;
    bool busy_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<DesktopMenuRequest> waiting_;
    // The request the running sync works from, if one runs.
    std::optional<DesktopMenuRequest> running_;
    quint64 generation_ = 0;
    bool quitting_ = false;
    std::thread worker_;
};

} // namespace tvn
