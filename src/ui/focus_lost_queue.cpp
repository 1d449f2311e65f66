#include "ui/focus_lost_queue.h"

#include <QCoreApplication>
#include <QTimer>

FocusLostQueue& FocusLostQueue::instance()
{
    static FocusLostQueue queue;
    return queue;
}

void FocusLostQueue::post(std::function<void()> handler)
{
    pending_.push_back(std::move(handler));
    if (scheduled_)
        return;
    scheduled_ = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [this] {
        scheduled_ = false;
        flush();
    });
}

bool FocusLostQueue::flush()
{
    if (running_)
        return true;
    running_ = true;
    const int shownBefore = modalsShown_;
    while (!pending_.empty()) {
        std::function<void()> handler = std::move(pending_.front());
        pending_.pop_front();
        handler();
        if (modalsShown_ != shownBefore) {
            pending_.clear();
            break;
        }
    }
    running_ = false;
    return modalsShown_ == shownBefore;
}

void FocusLostQueue::quietly(const std::function<void()>& change)
{
    ++quiet_;
    change();
    --quiet_;
}

void FocusLostQueue::modalOpened()
{
    ++openModals_;
    ++modalsShown_;
}

void FocusLostQueue::modalClosed()
{
    --openModals_;
}

void FocusLostQueue::reset()
{
    pending_.clear();
    running_ = false;
    openModals_ = 0;
    quiet_ = 0;
    modalsShown_ = 0;
}
