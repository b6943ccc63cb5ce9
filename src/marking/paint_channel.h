#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// Carries paint requests from a worker thread to the GUI thread, in order: the
// worker hands over a piece of work and waits until the GUI thread has run it,
// so each request is applied whole, with no other input between its parts.
//
// Cancel (GUI thread) ends the conversation at once: a worker waiting in Run
// is released, Run returns false from then on, and no request handed over
// after the cancel is run. A request the GUI thread is already running is
// finished first; Cancel is only called on the GUI thread, so that can never
// deadlock.
class PaintChannel {
  public:
    // `context` is the GUI-thread object whose event loop runs the requests.
    explicit PaintChannel(QObject* context);
    ~PaintChannel();
    PaintChannel(const PaintChannel&) = delete;
    PaintChannel& operator=(const PaintChannel&) = delete;

    // Worker side: runs `request` on the GUI thread and waits for it. False
    // when the channel was cancelled (the request then did not run).
    bool Run(std::function<void()> request);
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
    std::shared_ptr<State> state_;
    QPointer<QObject> context_;
};
