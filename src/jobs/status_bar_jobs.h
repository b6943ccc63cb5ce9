#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <vector>

#include "jobs/job_host.h"

class QShortcut;
class QStatusBar;
class QWidget;

// The shell's host of the background jobs: the status bar shows the progress
// texts of the running jobs that have one to show (in the order they
// started), and Esc in the main window asks every stoppable job to stop. Esc
// is taken only while such a job runs; otherwise the key goes where it always
// went. GUI thread only.
class StatusBarJobs final : public QObject, public JobHost {
    Q_OBJECT
  public:
    StatusBarJobs(QStatusBar* statusBar, QWidget* window);
    ~StatusBarJobs() override;

    void JobStarted(BackgroundJob& job) override;
    void JobEnded(BackgroundJob& job) override;
    void ProgressChanged(BackgroundJob& job) override;

    // True while no job runs.
    [[nodiscard]] bool idle() const { return jobs_.empty(); }
    // Asks every running stoppable job to stop (what Esc does).
    void StopStoppable();
    // Ends every running job at once (the shell is going).
    void EndAll();

  signals:
    // A job started or ended: the commands that wait for it may change state.
    void jobsChanged();

  private:
    void Refresh();

    QPointer<QStatusBar> statusBar_;
    QShortcut* escape_;
    std::vector<BackgroundJob*> jobs_;
    QTimer timer_;
    QString shown_;  // the text this host put in the status bar, if any
};
