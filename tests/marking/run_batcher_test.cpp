#include "marking/run_batcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace orvel {
namespace {

using Requests = std::vector<std::vector<PaintRun>>;
constexpr Offset kPiece = RunBatcher::kMaxRequestBytes;

struct Recorder {
    Requests requests;
    int stopAfterTakes = -1;  // the stop flag rises after this many asks
    int asks = 0;
    bool sendFails = false;

    // The clock stands still unless a test moves it, so no request is sent
    // for its age however slowly the test runs.
    RunBatcher Make(RunBatcher::Clock clock = {}) {
        if (!clock)
            clock = [] { return std::chrono::steady_clock::time_point{}; };
        return RunBatcher(
            [this](std::vector<BatchedRun>&& runs) {
                requests.emplace_back();
                for (const BatchedRun& item : runs)
                    requests.back().push_back(item.run);
                return !sendFails;
            },
            [this] { return stopAfterTakes >= 0 && asks++ >= stopAfterTakes; }, std::move(clock));
    }
};

TEST(RunBatcherTest, CutsLongRunsIntoBoundedRequestsInOrder) {
    Recorder rec;
    RunBatcher batcher = rec.Make();
    ASSERT_TRUE(batcher.Add({5, 5 + 2 * kPiece, MarkColor::kRed}));  // two pieces and one byte
    ASSERT_TRUE(batcher.Flush());
    const Requests expected{{{5, 4 + kPiece, MarkColor::kRed}},
                            {{5 + kPiece, 4 + 2 * kPiece, MarkColor::kRed}},
                            {{5 + 2 * kPiece, 5 + 2 * kPiece, MarkColor::kRed}}};
    EXPECT_EQ(rec.requests, expected);
}

TEST(RunBatcherTest, GathersSmallRunsUpToTheRunLimit) {
    Recorder rec;
    RunBatcher batcher = rec.Make();
    const auto count = static_cast<Offset>(RunBatcher::kMaxRequestRuns) + 3;
    for (Offset i = 0; i < count; ++i)
        ASSERT_TRUE(batcher.Add({2 * i, 2 * i, MarkColor::kBlue}));
    ASSERT_TRUE(batcher.Flush());
    ASSERT_EQ(rec.requests.size(), 2u);
    EXPECT_EQ(rec.requests[0].size(), RunBatcher::kMaxRequestRuns);
    EXPECT_EQ(rec.requests[1].size(), 3u);
    EXPECT_EQ(rec.requests[1].back(),
              (PaintRun{2 * (count - 1), 2 * (count - 1), MarkColor::kBlue}));
    // Nothing held: a second flush sends nothing.
    ASSERT_TRUE(batcher.Flush());
    EXPECT_EQ(rec.requests.size(), 2u);
}

// The stop flag is asked before every piece; what was taken before the stop
// is still sent by the final flush, nothing after it.
TEST(RunBatcherTest, AStopEndsTakingButKeepsWhatWasTaken) {
    Recorder rec;
    rec.stopAfterTakes = 2;
    RunBatcher batcher = rec.Make();
    EXPECT_TRUE(batcher.Add({0, 0, MarkColor::kRed}));
    EXPECT_FALSE(batcher.Add({10, 9 + 3 * kPiece, MarkColor::kGreen}));  // one piece, then the stop
    EXPECT_TRUE(batcher.StopNow());
    ASSERT_TRUE(batcher.Flush());
    ASSERT_EQ(rec.requests.size(), 1u);
    EXPECT_EQ(rec.requests[0].back(), (PaintRun{10, 9 + kPiece, MarkColor::kGreen}));
}

// The compare worker's use: runs for two panes share the requests in the
// order given, and with no stop flag of its own only a failed send refuses.
TEST(RunBatcherTest, RunsOfTwoTargetsShareRequestsInOrder) {
    Requests requests;
    std::vector<int> targets;
    RunBatcher batcher(
        [&](std::vector<BatchedRun>&& runs) {
            requests.emplace_back();
            for (const BatchedRun& item : runs) {
                requests.back().push_back(item.run);
                targets.push_back(item.target);
            }
            return true;
        },
        {}, [] { return std::chrono::steady_clock::time_point{}; });
    const RunSink first = batcher.Sink(0);
    const RunSink second = batcher.Sink(1);
    ASSERT_TRUE(first({1, 2, MarkColor::kRed}));
    ASSERT_TRUE(second({1, 2, MarkColor::kBlue}));
    ASSERT_TRUE(second({9, 9, MarkColor::kGreen}));
    EXPECT_FALSE(batcher.StopNow());
    ASSERT_TRUE(batcher.Flush());
    EXPECT_EQ(
        requests,
        (Requests{{{1, 2, MarkColor::kRed}, {1, 2, MarkColor::kBlue}, {9, 9, MarkColor::kGreen}}}));
    EXPECT_EQ(targets, (std::vector<int>{0, 1, 1}));
}

TEST(RunBatcherTest, ARefusedRequestEndsTheRun) {
    Recorder rec;
    rec.sendFails = true;
    RunBatcher batcher = rec.Make();
    EXPECT_FALSE(batcher.Add({0, 2 * kPiece, MarkColor::kRed}));
    EXPECT_TRUE(batcher.StopNow());
    EXPECT_FALSE(batcher.Flush());
    EXPECT_EQ(rec.requests.size(), 1u);
}

// A request waiting longer than the age limit goes out from the scan's stop
// check, so colours appear while a long scan finds nothing more.
TEST(RunBatcherTest, OldRequestsLeaveFromTheStopCheck) {
    Recorder rec;
    auto now = std::chrono::steady_clock::time_point{};
    RunBatcher batcher = rec.Make([&] { return now; });
    ASSERT_TRUE(batcher.Add({7, 8, MarkColor::kCyan}));
    EXPECT_FALSE(batcher.StopNow());
    EXPECT_TRUE(rec.requests.empty());
    now += RunBatcher::kMaxRequestAge;
    EXPECT_FALSE(batcher.StopNow());
    ASSERT_EQ(rec.requests.size(), 1u);
    EXPECT_EQ(rec.requests[0], (std::vector<PaintRun>{{7, 8, MarkColor::kCyan}}));
}

}  // namespace
}  // namespace orvel
