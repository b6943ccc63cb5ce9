#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

#include "jobs/job_channel.h"
#include "jobs/job_progress.h"

class JobHost;

// The worker's side of a running job.
class JobContext {
  public:
    // Runs `request` on the GUI thread and waits until it has run. Requests
    // run in the order handed over, each whole; batch many small results into
    // one request (a paint run per byte, a hit per match) to keep the window
    // responsive. False once the job was ended at once (the request did not run).
    [[nodiscard]] bool Deliver(std::function<void()> request) {
        return channel_.Run(std::move(request));
    }
    // True once a stop was asked (Esc on a stoppable job) or the job is being
    // ended at once. Work that can stop safely asks it between pieces.
    [[nodiscard]] bool StopAsked() const { return stop_.load(); }
    // Asks the GUI thread whether to go on, just before a step that cannot be
    // taken back (an export taking the target's name): false when a stop was
    // asked before this point as the GUI thread saw it, or the job is ending.
    [[nodiscard]] bool GoOn();
    [[nodiscard]] orvel::JobProgress& progress() { return progress_; }
    // A progress sink for a core operation: records its progress, and asks it
    // to give up once a stop was asked.
    [[nodiscard]] orvel::ProgressSink Tracker() {
        return [this](std::int64_t done, std::int64_t total) {
            progress_.Set(done, total);
            return !StopAsked();
        };
    }

  private:
    friend class BackgroundJob;
    JobContext() = default;

    JobChannel channel_;
    std::atomic<bool> stop_{false};
    orvel::JobProgress progress_;
};

// One background job at a time: the work runs on a thread of its own, hands
// its results to the GUI thread through the context (in order, each request
// applied whole), and ends on the GUI thread with `finished`. A job object
// can run one job after the other; it belongs to the GUI thread.
//
// While it runs, the host (when given) shows its progress ("Opening a.bin...
// 37%") once it has run for a while, and stops it on Esc if it is stoppable.
//
// EndAtOnce ends a running job without waiting for the GUI thread: the stop is
// asked, a worker waiting in Deliver is released, the thread is joined, and
// nothing the worker handed over runs afterwards; `finished` never runs. It can
// never deadlock, because the worker only ever waits for the GUI thread, which
// is the one ending it.
class BackgroundJob : public QObject {
    Q_OBJECT
  public:
    struct Setup {
        // The beginning of the status text; empty when no progress shows.
        QString label;
        // Esc asks the job to stop (work whose stop is safe: open, export).
        bool stoppable = false;
        // The progress shows once the job has run this long.
        int showAfterMs = 500;
        // The amount of work as known at the start (the work may correct it).
        std::int64_t total = 0;
        // The wait cursor shows while the job runs.
        bool waitCursor = false;
    };

    // `host` may be null: no progress then, and no stopping by Esc.
    explicit BackgroundJob(JobHost* host, QObject* parent = nullptr);
    ~BackgroundJob() override;  // EndAtOnce
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Starts `work` (called with the JobContext on the job's thread) and,
    // on the GUI thread once the work has returned and every request it
    // handed over has run, `finished` with the work's result (if any). When
    // `finished` runs the job is no longer running; it may start the next
    // one, but must not destroy the job (deleteLater may).
    // Precondition: !running().
    template <typename Work, typename Finished>
    void Start(Setup setup, Work work, Finished finished);

    // From Start until `finished` has run or the job was ended at once.
    [[nodiscard]] bool running() const { return context_ != nullptr; }
    // Asks a running stoppable job to stop (GUI thread); the work decides
    // what stopping means.
    void RequestStop();
    // While the job runs, and within its `finished`: whether a stop was asked.
    [[nodiscard]] bool stopRequested() const {
        return running() ? context_->StopAsked() : stoppedAtEnd_;
    }
    void EndAtOnce();

    [[nodiscard]] bool stoppable() const { return running() && setup_.stoppable; }
    // The progress text while it shows (see Setup), else empty.
    [[nodiscard]] QString StatusText() const;
    // Tells the host that the progress moved (GUI thread).
    void ShowProgressNow();

  signals:
    // The job is over: `finished` has run, or it was ended at once.
    void ended();

  private:
    void Launch(Setup setup, std::function<void(JobContext&)> work, std::function<void()> finished);
    void Finish(JobContext* context);
    void Ended();

    JobHost* host_;
    Setup setup_;
    std::unique_ptr<JobContext> context_;
    std::function<void()> finished_;
    QElapsedTimer clock_;
    bool stoppedAtEnd_ = false;
    std::thread thread_;
};

template <typename Work, typename Finished>
void BackgroundJob::Start(Setup setup, Work work, Finished finished) {
    using Result = std::invoke_result_t<Work&, JobContext&>;
    if constexpr (std::is_void_v<Result>) {
        Launch(std::move(setup), std::move(work), std::move(finished));
    } else {
        // Written by the worker before it ends, read on the GUI thread after.
        auto result = std::make_shared<std::optional<Result>>();
        Launch(
            std::move(setup),
            [work = std::move(work), result](JobContext& context) mutable {
                result->emplace(work(context));
            },
            [finished = std::move(finished), result]() mutable { finished(std::move(**result)); });
    }
}
