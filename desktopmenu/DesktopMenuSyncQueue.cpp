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
        waiting_ = std::move(request);
        ++generation_;
    }
    busy_ = true;
    wake_.notify_one();
}

void DesktopMenuSyncQueue::work() {
    for (;;) {
        DesktopMenuRequest request;
        quint64 generation = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quitting_ || waiting_; });
            if (quitting_)
                return;
            request = std::move(*waiting_);
            waiting_.reset();
            generation = generation_;
        }
        DesktopMenuSyncControl control;
        control.stopRequested = [this, generation] {
            const std::lock_guard lock(mutex_);
            return quitting_ || generation_ != generation;
        };
        control.progressed = [this, generation](qsizetype done, qsizetype total) {
            tell(generation, [this, done, total] { listener_.progressed(done, total); });
        };
        const DesktopMenuSyncResult result = syncDesktopMenu(request, control);
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
