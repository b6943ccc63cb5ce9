#include "jobs/job_channel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// The worker posts a plain event per request: the event is made inside Qt, so
// the hand-over carries nothing the worker wrote but what the queue holds.
class JobChannel::Pump final : public QObject {
  public:
    static constexpr QEvent::Type kRunNext = QEvent::User;

    explicit Pump(std::shared_ptr<State> state) : state_(std::move(state)) {}

    bool event(QEvent* event) override {
        if (event->type() != kRunNext)
            return QObject::event(event);
        RunNext();
        return true;
    }

  private:
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
    QCoreApplication::postEvent(pump_, new QEvent(Pump::kRunNext));
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
