#include "jobs/status_bar_jobs.h"

#include <QShortcut>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>

#include "jobs/background_job.h"

namespace {

constexpr int kRefreshMs = 200;

}  // namespace

StatusBarJobs::StatusBarJobs(QStatusBar* statusBar, QWidget* window)
    : QObject(window), statusBar_(statusBar), escape_(new QShortcut(Qt::Key_Escape, window)) {
    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &StatusBarJobs::StopStoppable);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &StatusBarJobs::Refresh);
}

StatusBarJobs::~StatusBarJobs() = default;

void StatusBarJobs::JobStarted(BackgroundJob& job) {
    jobs_.push_back(&job);
    timer_.start();
    Refresh();
    emit jobsChanged();
}

void StatusBarJobs::JobEnded(BackgroundJob& job) {
    std::erase(jobs_, &job);
    if (jobs_.empty())
        timer_.stop();
    Refresh();
    emit jobsChanged();
}

void StatusBarJobs::ProgressChanged(BackgroundJob&) {
    Refresh();
}

void StatusBarJobs::StopStoppable() {
    for (BackgroundJob* job : jobs_) {
        if (job->stoppable())
            job->RequestStop();
    }
}

void StatusBarJobs::EndAll() {
    const std::vector<BackgroundJob*> jobs = jobs_;
    for (BackgroundJob* job : jobs)
        job->EndAtOnce();
}

void StatusBarJobs::Refresh() {
    escape_->setEnabled(std::any_of(jobs_.begin(), jobs_.end(),
                                    [](BackgroundJob* job) { return job->stoppable(); }));
    if (statusBar_.isNull())
        return;
    QStringList texts;
    for (BackgroundJob* job : jobs_) {
        const QString text = job->StatusText();
        if (!text.isEmpty())
            texts << text;
    }
    const QString text = texts.join(QStringLiteral("   "));
    if (text == shown_)
        return;
    if (!text.isEmpty()) {
        statusBar_->showMessage(text);
    } else if (statusBar_->currentMessage() == shown_) {
        // Another message (a command's prompt) stays.
        statusBar_->clearMessage();
    }
    shown_ = text;
}
