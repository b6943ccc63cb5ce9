#include "jobs/job_channel.h"

#include <QMetaObject>
#include <QObject>

class JobChannel::Pump final : public QObject {
  public:
    explicit Pump(std::shared_ptr<State> state) : state_(std::move(state)) {}

    void RunNext() {
        // A copy: the request may end the channel that owns the pump.
        const std::shared_ptr<State> state = state_;
        std::function<void()> request;
        {
            std::lock_guard guard(state->mutex);
            if (state->cancelled || state->queue.empty())
                return;
            request = std::move(state->queue.front());
            state->queue.pop_front();
        }
        request();
        std::lock_guard guard(state->mutex);
        ++state->finished;
        state->done.notify_all();
    }

  private:
    std::shared_ptr<State> state_;
};

JobChannel::JobChannel() : state_(std::make_shared<State>()), pump_(new Pump(state_)) {}

JobChannel::~JobChannel() {
    Cancel();
    // Calls queued for the pump may still come; they find the channel cancelled.
    pump_->deleteLater();
}

unsigned long long JobChannel::HandOver(std::function<void()> request) {
    if (state_->cancelled)
        return 0;
    state_->queue.push_back(std::move(request));
    QMetaObject::invokeMethod(pump_, &Pump::RunNext, Qt::QueuedConnection);
    return ++state_->handedOver;
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
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard guard(state_->mutex);
        state_->cancelled = true;
        dropped.swap(state_->queue);
        state_->done.notify_all();
    }
}

bool JobChannel::cancelled() const {
    std::lock_guard guard(state_->mutex);
    return state_->cancelled;
}
