#include "jobs/background_job.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <string>
#include <vector>

#include "jobs/job_host.h"
#include "jobs/job_wait.h"
#include "jobs/status_bar_jobs.h"

namespace {

constexpr int kWaitMs = 30000;

bool WaitEnded(const BackgroundJob& job) {
    return QTest::qWaitFor([&job] { return !job.running(); }, kWaitMs);
}

// Every request runs on the GUI thread in the order handed over; the end comes
// after the last of them, on the GUI thread, with the work's result.
TEST(BackgroundJobTest, FinishesOnTheGuiThreadAfterEveryRequestInOrder) {
    BackgroundJob job(nullptr);
    std::vector<int> seen;
    std::size_t seenAtTheEnd = 0;
    int result = 0;
    bool endedOnGui = false;
    const QThread* gui = QThread::currentThread();
    job.Start(
        {},
        [&seen](JobContext& context) {
            for (int i = 0; i < 20; ++i) {
                if (!context.Deliver([&seen, i] { seen.push_back(i); }))
                    return -1;
            }
            return 42;
        },
        [&](int value) {
            result = value;
            seenAtTheEnd = seen.size();
            endedOnGui = QThread::currentThread() == gui;
        });
    EXPECT_TRUE(job.running());
    ASSERT_TRUE(WaitEnded(job));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(seenAtTheEnd, 20u);
    EXPECT_TRUE(endedOnGui);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(seen[static_cast<std::size_t>(i)], i);
}

// Ending at once releases a worker that waits for the GUI thread; nothing it
// handed over runs afterwards, and the end never comes. A job that is not
// running ends at once without a word.
TEST(BackgroundJobTest, EndAtOnceReleasesAWaitingWorkerAndNothingRunsAfterwards) {
    BackgroundJob job(nullptr);
    int endedSignals = 0;
    QObject::connect(&job, &BackgroundJob::ended, [&endedSignals] { ++endedSignals; });
    job.EndAtOnce();
    EXPECT_EQ(endedSignals, 0);
    int ran = 0;
    bool finished = false;
    std::atomic<int> delivered{-1};
    job.Start(
        {},
        [&](JobContext& context) {
            delivered = context.Deliver([&ran] { ++ran; }) ? 1 : 0;
            // Whatever it tries after the end is dropped too.
            (void)context.Deliver([&ran] { ++ran; });
        },
        [&finished] { finished = true; });
    // The GUI thread runs no events here, so the worker waits (or will).
    job.EndAtOnce();
    EXPECT_FALSE(job.running());
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(endedSignals, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(finished);
}

// Esc's stop reaches only a stoppable job, and counts as long as its end has
// not been seen on the GUI thread: GoOn says no even after the work is done.
TEST(BackgroundJobTest, StopReachesOnlyStoppableJobsUntilTheirEnd) {
    for (const bool stoppable : {true, false}) {
        BackgroundJob job(nullptr);
        bool wentOn = false;
        bool stopSeen = false;
        job.Start(
            {QStringLiteral("Opening"), stoppable},
            [](JobContext& context) { return context.GoOn(); },
            [&](bool goOn) {
                wentOn = goOn;
                stopSeen = job.stopRequested();
            });
        job.RequestStop();
        ASSERT_TRUE(WaitEnded(job));
        EXPECT_EQ(wentOn, !stoppable);
        EXPECT_EQ(stopSeen, stoppable);
    }
}

// The end may start the next job on the same object.
TEST(BackgroundJobTest, TheEndMayStartTheNextJob) {
    BackgroundJob job(nullptr);
    std::vector<int> results;
    job.Start(
        {}, [](JobContext&) { return 1; },
        [&](int first) {
            results.push_back(first);
            job.Start(
                {}, [](JobContext&) { return 2; }, [&](int second) { results.push_back(second); });
        });
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.size() == 2; }, kWaitMs));
    EXPECT_EQ(results, (std::vector<int>{1, 2}));
    EXPECT_FALSE(job.running());
}

// A host hears of every job's start and end, the end also when it comes at once.
TEST(BackgroundJobTest, TheHostHearsOfEveryStartAndEnd) {
    struct Log final : JobHost {
        std::vector<std::string> said;
        void JobStarted(BackgroundJob&) override { said.emplace_back("started"); }
        void JobEnded(BackgroundJob&) override { said.emplace_back("ended"); }
        void ProgressChanged(BackgroundJob&) override { said.emplace_back("progress"); }
    } host;
    BackgroundJob job(&host);
    job.Start(
        {}, [](JobContext&) {}, [&job] { job.ShowProgressNow(); });
    ASSERT_TRUE(WaitEnded(job));
    job.Start(
        {}, [](JobContext& context) { (void)context.Deliver([] {}); }, [] {});
    job.EndAtOnce();
    EXPECT_EQ(host.said, (std::vector<std::string>{"started", "ended", "started", "ended"}));
}

// Waiting for a job keeps the event loop running; a wait that lasts shows a
// modal box with the job's progress, which neither Esc nor its close button
// takes away: only the job's end does.
TEST(BackgroundJobTest, AWaitThatLastsShowsABoxOnlyTheEndCloses) {
    BackgroundJob job(nullptr);
    BackgroundJob::Setup setup;
    setup.label = QStringLiteral("Saving big.bin");
    setup.showAfterMs = 0;
    setup.stoppable = true;
    job.Start(
        setup,
        [](JobContext& context) {
            context.progress().Set(1, 4);
            while (context.GoOn()) {
            }
        },
        [] {});
    QString shown;
    bool stayed = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr || !shown.isEmpty())
            return;
        shown = box->findChild<QLabel*>()->text();
        box->reject();
        box->close();
        stayed = box->isVisible();
        job.RequestStop();
    });
    watch.start(10);
    WaitForJob(job, nullptr);
    EXPECT_FALSE(job.running());
    EXPECT_EQ(shown, "Saving big.bin... 25%");
    EXPECT_TRUE(stayed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The status bar shows the progress of the jobs that have one to show, and
// takes its text away when they end, unless another text replaced it. Esc
// stops the stoppable jobs only, and is taken only while one runs.
class BackgroundJobHostTest : public ::testing::Test {
  protected:
    // Where the keys go that no shortcut takes.
    struct KeyLog final : QWidget {
        std::vector<int> keys;
        void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
    };

    void SetUp() override {
        keys_ = new KeyLog;
        keys_->setFocusPolicy(Qt::StrongFocus);
        window_.setCentralWidget(keys_);
        window_.show();
        QApplication::setActiveWindow(&window_);
        keys_->setFocus();
    }
    // A job that goes on until it is stopped, at `done` of 200.
    static void StartUntilStopped(BackgroundJob& job, const QString& label, bool stoppable,
                                  std::int64_t done) {
        job.Start(
            {label, stoppable, 0, 200},
            [done](JobContext& context) {
                context.progress().Set(done, 200);
                while (context.GoOn()) {
                }
            },
            [] {});
    }
    QString Shown() const { return window_.statusBar()->currentMessage(); }

    QMainWindow window_;
    StatusBarJobs host_{window_.statusBar(), &window_};
    KeyLog* keys_ = nullptr;
};

TEST_F(BackgroundJobHostTest, BackgroundJobStatusBarShowsProgressAndEscStopsStoppableJobs) {
    BackgroundJob opening(&host_);
    BackgroundJob saving(&host_);
    StartUntilStopped(opening, QStringLiteral("Opening a.bin"), true, 50);
    StartUntilStopped(saving, QStringLiteral("Saving b.bin"), false, 100);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Shown() == "Opening a.bin... 25%   Saving b.bin... 50%"; }, kWaitMs))
        << Shown().toStdString();
    EXPECT_FALSE(host_.idle());

    QTest::keyClick(keys_, Qt::Key_Escape);
    ASSERT_TRUE(WaitEnded(opening));
    EXPECT_TRUE(keys_->keys.empty());
    EXPECT_TRUE(saving.running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown() == "Saving b.bin... 50%"; }, kWaitMs));

    // With no stoppable job left, Esc is not taken.
    QTest::keyClick(keys_, Qt::Key_Escape);
    EXPECT_EQ(keys_->keys, std::vector<int>{Qt::Key_Escape});
    EXPECT_TRUE(saving.running());
    window_.statusBar()->showMessage(QStringLiteral("a command's prompt"));
    saving.EndAtOnce();
    EXPECT_EQ(Shown(), "a command's prompt");
    EXPECT_TRUE(host_.idle());
}

}  // namespace
