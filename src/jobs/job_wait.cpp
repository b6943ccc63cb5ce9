#include "jobs/job_wait.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "jobs/background_job.h"

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kRefreshMs = 200;

// The box shown while the wait lasts: the job's progress, and no way out.
class JobWaitBox final : public QDialog {
  public:
    JobWaitBox(BackgroundJob& job, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          job_(job),
          text_(new QLabel(this)) {
        setWindowModality(Qt::ApplicationModal);
        setWindowTitle(QStringLiteral("Orvel"));
        auto* layout = new QVBoxLayout(this);
        text_->setMinimumWidth(320);
        layout->addWidget(text_);
        refresh_.setInterval(kRefreshMs);
        connect(&refresh_, &QTimer::timeout, this, &JobWaitBox::Refresh);
    }

    void ShowNow() {
        Refresh();
        refresh_.start();
        show();
    }

    // Esc and the close button do nothing: the job ends the wait.
    void reject() override {}

  private:
    void Refresh() { text_->setText(job_.StatusText()); }

    BackgroundJob& job_;
    QLabel* text_;
    QTimer refresh_;
};

}  // namespace

void WaitForJob(BackgroundJob& job, QWidget* parent) {
    if (!job.running())
        return;
    QEventLoop loop;
    QObject::connect(&job, &BackgroundJob::ended, &loop, &QEventLoop::quit);
    JobWaitBox box(job, parent);
    QTimer::singleShot(kShowAfterMs, &box, [&box] { box.ShowNow(); });
    loop.exec();
}
