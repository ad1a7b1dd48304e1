#pragma once

#include "desktopmenu/DesktopMenuSync.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <QObject>
#include <thread>

namespace tvn {

// Runs the desktop menu syncs one after the other on a thread of their own, so that the window
// never waits for the menu. A request supersedes the one waiting and stops the one running at
// its next step; only one sync ever writes at a time. The listener is called on the thread that
// made the queue, through its event loop: with the progress of the newest request, and with its
// result once it has run to the end.
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
    quint64 generation_ = 0;
    bool quitting_ = false;
    std::thread worker_;
};

} // namespace tvn
