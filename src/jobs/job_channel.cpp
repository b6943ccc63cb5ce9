#include "jobs/job_channel.h"

#include <QMetaObject>

JobChannel::JobChannel(QObject* context) : state_(std::make_shared<State>()), context_(context) {}

JobChannel::~JobChannel() {
    Cancel();
}

unsigned long long JobChannel::HandOver(std::function<void()> request) {
    // Called with the state's mutex held.
    if (state_->cancelled || context_.isNull())
        return 0;
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
    return ticket;
}

bool JobChannel::Run(std::function<void()> request) {
    std::unique_lock lock(state_->mutex);
    const unsigned long long ticket = HandOver(std::move(request));
    if (ticket == 0)
        return false;
    state_->done.wait(lock, [&] { return state_->cancelled || state_->finished >= ticket; });
    return !state_->cancelled;
}

void JobChannel::Post(std::function<void()> request) {
    std::lock_guard lock(state_->mutex);
    HandOver(std::move(request));
}

void JobChannel::Cancel() {
    std::lock_guard guard(state_->mutex);
    state_->cancelled = true;
    state_->done.notify_all();
}

bool JobChannel::cancelled() const {
    std::lock_guard guard(state_->mutex);
    return state_->cancelled;
}
