#pragma once

class BackgroundJob;

// What background jobs need from the shell: it shows the progress of the jobs
// that run (the status bar) and lets the user stop the stoppable ones (Esc).
// Told on the GUI thread; a job is always ended before it is destroyed.
class JobHost {
  public:
    virtual ~JobHost() = default;

    virtual void JobStarted(BackgroundJob& job) = 0;
    virtual void JobEnded(BackgroundJob& job) = 0;
    // The job's progress moved in a way worth showing at once (the host also
    // looks now and then by itself).
    virtual void ProgressChanged(BackgroundJob& job) = 0;
};
