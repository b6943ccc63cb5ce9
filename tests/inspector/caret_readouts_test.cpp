#include "inspector/caret_readouts.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(CaretReadoutsTest, OffsetInHexAndDecimal) {
    EXPECT_EQ(OffsetReadout(0), "Offset: 0x0 (0)");
    EXPECT_EQ(OffsetReadout(0x1A2B), "Offset: 0x1A2B (6699)");
    EXPECT_EQ(OffsetReadout(0xFFFFFFFF), "Offset: 0xFFFFFFFF (4294967295)");
}

TEST(CaretReadoutsTest, SelectionFromItsFirstToItsLastByte) {
    const struct {
        Offset first;
        Offset count;
        std::string text;
    } rows[] = {
        {0x10, 16, "Selection: 0x10-0x1F, 16 bytes"},
        {0x10, 1, "Selection: 0x10, 1 byte"},
        {0, 2, "Selection: 0x0-0x1, 2 bytes"},
        {0, 0xFFFFFFFF, "Selection: 0x0-0xFFFFFFFE, 4294967295 bytes"},
        {0xFFFFFFFE, 1, "Selection: 0xFFFFFFFE, 1 byte"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SelectionReadout(row.first, row.count), row.text);
}

TEST(CaretReadoutsTest, SizeInHexAndDecimal) {
    EXPECT_EQ(SizeReadout(0), "Size: 0x0 (0) bytes");
    EXPECT_EQ(SizeReadout(1), "Size: 0x1 (1) byte");
    EXPECT_EQ(SizeReadout(32), "Size: 0x20 (32) bytes");
    EXPECT_EQ(SizeReadout(0xFFFFFFFF), "Size: 0xFFFFFFFF (4294967295) bytes");
}

TEST(CaretReadoutsTest, DifferencesOfAFinishedOrStoppedComparison) {
    EXPECT_EQ(DifferencesReadout(0, true), "Differences: 0");
    EXPECT_EQ(DifferencesReadout(1, true), "Differences: 1");
    EXPECT_EQ(DifferencesReadout(4294967295, true), "Differences: 4294967295");
    EXPECT_EQ(DifferencesReadout(12, false), "Differences: 12 (stopped)");
}

}  // namespace
}  // namespace orvel
