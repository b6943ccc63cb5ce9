#include "marking/paint_channel.h"

#include <QMetaObject>

PaintChannel::PaintChannel(QObject* context)
    : state_(std::make_shared<State>()), context_(context) {}

PaintChannel::~PaintChannel() {
    Cancel();
}

bool PaintChannel::Run(std::function<void()> request) {
    std::unique_lock lock(state_->mutex);
    if (state_->cancelled || context_.isNull())
        return false;
    const unsigned long long ticket = ++state_->handedOver;
    // The state is shared with the queued call, which may run after the
    // channel is gone; it then only marks itself finished.
    QMetaObject::invokeMethod(
        context_.data(),
        [state = state_, request = std::move(request), ticket] {
            {
                std::lock_guard guard(state->mutex);
                if (state->cancelled)
                    return;
            }
            request();
            std::lock_guard guard(state->mutex);
            state->finished = ticket;
            state->done.notify_all();
        },
        Qt::QueuedConnection);
    state_->done.wait(lock, [&] { return state_->cancelled || state_->finished >= ticket; });
    return !state_->cancelled;
}

void PaintChannel::Cancel() {
    std::lock_guard guard(state_->mutex);
    state_->cancelled = true;
    state_->done.notify_all();
}

bool PaintChannel::cancelled() const {
    std::lock_guard guard(state_->mutex);
    return state_->cancelled;
}
