#include "jobs/job_channel.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace {

// Requests run on the GUI thread, in the order handed over, each before the
// worker goes on.
TEST(JobChannelTest, RunsRequestsInOrderOnTheGuiThread) {
    JobChannel channel;
    std::vector<int> seen;
    std::atomic<bool> workerDone{false};
    std::atomic<bool> allRanOnGui{true};
    const auto gui = QThread::currentThread();
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) {
            const bool ran = channel.Run([&, i] {
                if (QThread::currentThread() != gui)
                    allRanOnGui = false;
                seen.push_back(i);
            });
            if (!ran || static_cast<int>(seen.size()) != i + 1)
                allRanOnGui = false;
        }
        workerDone = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return workerDone.load(); }, 20000));
    worker.join();
    EXPECT_TRUE(allRanOnGui);
    ASSERT_EQ(seen.size(), 200u);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(seen[i], i);
}

// Cancelling releases a worker that waits for a request the GUI thread has not
// run, and nothing handed over runs afterwards.
TEST(JobChannelTest, CancelReleasesAWaitingWorkerAtOnce) {
    JobChannel channel;
    std::atomic<int> ran{0};
    std::atomic<int> result{-1};
    std::atomic<bool> started{false};
    std::thread worker([&] {
        started = true;
        result = channel.Run([&] { ++ran; }) ? 1 : 0;
        if (channel.Run([&] { ++ran; }))
            result = 2;
    });
    while (!started)
        std::this_thread::yield();
    // The GUI thread does not run events here, so the worker is (or will be) waiting.
    channel.Cancel();
    worker.join();
    EXPECT_EQ(result, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, 0);
}

}  // namespace
