#include "desktopmenu/DesktopMenuSyncQueue.h"

#include <QMetaObject>

namespace tvn {

DesktopMenuSyncQueue::DesktopMenuSyncQueue(Listener listener)
    : listener_(std::move(listener))
    , worker_([this] { work(); }) {}

DesktopMenuSyncQueue::~DesktopMenuSyncQueue() {
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void DesktopMenuSyncQueue::request(DesktopMenuRequest request) {
    {
        const std::lock_guard lock(mutex_);
        // The window asks again when the user leaves a panel, often for the sync it asked for
        // while the user worked there: stopping it would only throw its work away.
        if (!waiting_ && running_ == request)
            return;
        waiting_ = std::move(request);
        ++generation_;
    }
    busy_ = true;
    wake_.notify_one();
}

void DesktopMenuSyncQueue::work() {
    // The app folders the last sync left keeping what the shell showed, and when to bring them
    // how close to it.
    struct Settle {
        std::chrono::steady_clock::time_point at;
        AppFolderChange change;
        DesktopMenuSyncResult result;
    };
    std::optional<Settle> settle;
    for (;;) {
        DesktopMenuRequest request;
        quint64 generation = 0;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [this] {
                return quitting_ || waiting_;
            };
            if (settle && !wake_.wait_until(lock, settle->at, ready)) {
                lock.unlock();
                settleGnomeAppFolders(settle->result, settle->change);
                if (settle->change == AppFolderChange::Exact)
                    settle.reset();
                else
                    *settle = {settle->at - kGoneFoldersDelay + kGoneProgramsDelay,
                               AppFolderChange::Exact, std::move(settle->result)};
                continue;
            }
            wake_.wait(lock, ready);
            if (quitting_) {
                // The program ends: what it leaves in GNOME's settings is what the entries
                // stand for, whether or not the shell has read them yet.
                lock.unlock();
                if (settle)
                    settleGnomeAppFolders(settle->result, AppFolderChange::Exact);
                return;
            }
            request = std::move(*waiting_);
            waiting_.reset();
            running_ = request;
            generation = generation_;
        }
        settle.reset();
        DesktopMenuSyncControl control;
        control.appFolderChange = AppFolderChange::KeepingShown;
        control.stopRequested = [this, generation] {
            const std::lock_guard lock(mutex_);
            return quitting_ || generation_ != generation;
        };
        control.progressed = [this, generation](qsizetype done, qsizetype total) {
            tell(generation, [this, done, total] { listener_.progressed(done, total); });
        };
        const DesktopMenuSyncResult result = syncDesktopMenu(request, control);
        {
            const std::lock_guard lock(mutex_);
            running_.reset();
        }
        if (!result.stopped && result.written + result.removed + result.appFolders > 0)
            settle = Settle{std::chrono::steady_clock::now() + kGoneFoldersDelay,
                            AppFolderChange::KeepingShownPrograms, result};
        if (!result.stopped)
            tell(generation, [this, result] {
                busy_ = false;
                listener_.finished(result);
            });
    }
}

void DesktopMenuSyncQueue::tell(quint64 generation, std::function<void()> call) {
    QMetaObject::invokeMethod(
        &receiver_,
        [this, generation, call = std::move(call)] {
            // Read on the receiving thread: a request made after the call was sent wins.
            bool current = false;
            {
                const std::lock_guard lock(mutex_);
                current = generation_ == generation;
            }
            if (current)
                call();
        },
        Qt::QueuedConnection);
}

} // namespace tvn
