#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Carries requests (paint runs, results, the end of the work) from a worker
// thread to the GUI thread, in order. Run hands over a piece of work and waits
// until the GUI thread has run it, so each request is applied whole, with no
// other input between its parts; Post hands one over without waiting.
//
// Cancel (GUI thread) ends the conversation at once: a worker waiting in Run
// is released, Run returns false from then on, and no request handed over
// before or after the cancel runs once the cancel is done. A request the GUI
// thread is already running is finished first; Cancel is only called on the
// GUI thread, so that can never deadlock.
class JobChannel {
  public:
    // `context` is the GUI-thread object whose event loop runs the requests.
    explicit JobChannel(QObject* context);
    ~JobChannel();
    JobChannel(const JobChannel&) = delete;
    JobChannel& operator=(const JobChannel&) = delete;

    // Worker side: runs `request` on the GUI thread and waits for it. False
    // when the channel was cancelled (the request then did not run).
    bool Run(std::function<void()> request);
    // Worker side: hands `request` over without waiting for it.
    void Post(std::function<void()> request);
    // GUI side.
    void Cancel();
    [[nodiscard]] bool cancelled() const;

  private:
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        bool cancelled = false;
        unsigned long long handedOver = 0;
        unsigned long long finished = 0;
    };
    // Queues `request` for the GUI thread; returns its ticket, or 0 when cancelled.
    unsigned long long HandOver(std::function<void()> request);

    std::shared_ptr<State> state_;
    QPointer<QObject> context_;
};
