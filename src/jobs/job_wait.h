#pragma once

class BackgroundJob;
class QWidget;

// Returns once `job` has ended, running the event loop meanwhile, for a step
// that cannot go on before (closing a window whose file is being saved): the
// windows keep painting while it waits. If the job lasts more than a moment,
// a modal box owned by `parent` shows its progress until it ends; the box
// cannot be dismissed. Returns at once when the job is not running.
void WaitForJob(BackgroundJob& job, QWidget* parent);
