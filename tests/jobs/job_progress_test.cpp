#include "jobs/job_progress.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

// Whole percent, rounded down, never past 100; nothing to do is all done.
TEST(JobProgressTest, ProgressText) {
    EXPECT_EQ(ProgressText("Comparing", 0, 200), "Comparing... 0%");
    EXPECT_EQ(ProgressText("Comparing", 85, 200), "Comparing... 42%");
    EXPECT_EQ(ProgressText("Comparing", 0xFFFFFFFE, 0xFFFFFFFF), "Comparing... 99%");
    EXPECT_EQ(ProgressText("Comparing", 0xFFFFFFFF, 0xFFFFFFFF), "Comparing... 100%");
    EXPECT_EQ(ProgressText("Comparing", 0, 0), "Comparing... 100%");
    EXPECT_EQ(ProgressText("Opening a.bin", 300, 200), "Opening a.bin... 100%");
    EXPECT_EQ(PercentDone(-5, 200), 0);
}

}  // namespace
}  // namespace orvel
