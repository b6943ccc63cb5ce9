#pragma once

#include <condition_variable>
#include <deque>
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
//
// Made and destroyed on the GUI thread, whose event loop runs the requests.
// The requests travel through the channel's own locked queue, so that every
// hand-over is ordered by that lock (which a race checker sees, unlike the
// event queue's).
class JobChannel {
  public:
    JobChannel();
    ~JobChannel();  // Cancel
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
        std::deque<std::function<void()>> queue;
        unsigned long long handedOver = 0;
        unsigned long long finished = 0;
    };
    // Lives on the GUI thread and runs one queued request per call; it may
    // outlive the channel (a request may end the job that owns the channel).
    class Pump;

    // Queues `request` (the state's mutex held); its ticket, or 0 when cancelled.
    unsigned long long HandOver(std::function<void()> request);

    std::shared_ptr<State> state_;
    Pump* pump_;  // deletes itself once the channel is gone
};
