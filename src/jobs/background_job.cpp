#include "jobs/background_job.h"

#include <QApplication>

#include "jobs/job_host.h"

bool JobContext::GoOn() {
    bool goOn = false;
    return Deliver([this, &goOn] { goOn = !StopAsked(); }) && goOn;
}

BackgroundJob::BackgroundJob(JobHost* host, QObject* parent) : QObject(parent), host_(host) {}

BackgroundJob::~BackgroundJob() {
    EndAtOnce();
}

void BackgroundJob::Launch(Setup setup, std::function<void(JobContext&)> work,
                           std::function<void()> finished) {
    setup_ = std::move(setup);
    // A context of its own for every job: a cancelled channel stays cancelled.
    context_.reset(new JobContext);
    context_->progress_.Set(0, setup_.total);
    finished_ = std::move(finished);
    clock_.start();
    stoppedAtEnd_ = false;
    if (setup_.waitCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    // The host shows the progress from 0, before the worker can move it.
    if (host_ != nullptr)
        host_->JobStarted(*this);
    JobContext* context = context_.get();
    thread_ = std::thread([this, context, work = std::move(work)]() mutable {
        work(*context);
        work = nullptr;  // whatever the work held goes on this thread
        // The last thing the worker does; a cancelled channel drops it.
        context->channel_.Post([this, context] { Finish(context); });
    });
}

void BackgroundJob::Finish(JobContext* context) {
    if (context != context_.get())
        return;
    thread_.join();  // the worker has posted this as its last step
    const std::function<void()> finished = std::move(finished_);
    Ended();
    emit ended();
    finished();  // last: it may start the next job
}

void BackgroundJob::RequestStop() {
    if (stoppable())
        context_->stop_ = true;
}

void BackgroundJob::EndAtOnce() {
    if (!running())
        return;
    context_->stop_ = true;
    context_->channel_.Cancel();
    thread_.join();
    finished_ = nullptr;
    Ended();
    emit ended();
}

void BackgroundJob::Ended() {
    stoppedAtEnd_ = context_->StopAsked();
    context_.reset();
    if (setup_.waitCursor)
        QApplication::restoreOverrideCursor();
    if (host_ != nullptr)
        host_->JobEnded(*this);
}

QString BackgroundJob::StatusText() const {
    if (!running() || setup_.label.isEmpty() || clock_.elapsed() < setup_.showAfterMs)
        return {};
    const orvel::JobProgress& progress = context_->progress_;
    return QString::fromStdString(
        orvel::ProgressText(setup_.label.toStdString(), progress.done, progress.total));
}

void BackgroundJob::ShowProgressNow() {
    if (running() && host_ != nullptr)
        host_->ProgressChanged(*this);
}
