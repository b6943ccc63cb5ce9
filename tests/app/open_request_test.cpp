#include "app/open_request.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

using Kind = OpenRequest::Kind;
using Files = std::vector<std::string>;

TEST(OpenRequestTest, OnlyTwoDroppedFilesOpenAComparison) {
    EXPECT_EQ(ForDroppedFiles({}), (OpenRequest{Kind::kEachFile, {}}));
    EXPECT_EQ(ForDroppedFiles({"/a"}), (OpenRequest{Kind::kEachFile, {"/a"}}));
    EXPECT_EQ(ForDroppedFiles({"/a", "/b"}), (OpenRequest{Kind::kComparison, {"/a", "/b"}}));
    // Also the same file twice: the comparison tells the user it cannot be.
    EXPECT_EQ(ForDroppedFiles({"/a", "/a"}), (OpenRequest{Kind::kComparison, {"/a", "/a"}}));
    EXPECT_EQ(ForDroppedFiles({"/a", "/b", "/c"}),
              (OpenRequest{Kind::kEachFile, {"/a", "/b", "/c"}}));
}

TEST(OpenRequestTest, StartupOpensEachFileOrComparesExactlyTwo) {
    for (const Files& files : {Files{}, Files{"a"}, Files{"a", "b"}, Files{"a", "b", "c"}}) {
        const StartupPlan plan = PlanStartup(false, files);
        EXPECT_EQ(plan.open, (OpenRequest{Kind::kEachFile, files}));
        EXPECT_EQ(plan.error, "");
    }
    const StartupPlan compare = PlanStartup(true, {"a", "b"});
    EXPECT_EQ(compare.open, (OpenRequest{Kind::kComparison, {"a", "b"}}));
    EXPECT_EQ(compare.error, "");
    for (const Files& files : {Files{}, Files{"a"}, Files{"a", "b", "c"}}) {
        const StartupPlan plan = PlanStartup(true, files);
        EXPECT_NE(plan.error, "") << files.size();
        EXPECT_TRUE(plan.open.files.empty()) << files.size();
    }
}

}  // namespace
}  // namespace orvel
