#include "view/color_table.h"

#include <gtest/gtest.h>

#include <string>

namespace orvel {
namespace {

struct ColorRow {
    std::string_view name;
    MarkColor color;
    Rgb rgb;
    PackedColor packed;
};

constexpr ColorRow kTable[] = {
    {"Black", MarkColor::kBlack, {0, 0, 0}, 0x000000},
    {"Blue", MarkColor::kBlue, {0, 0, 255}, 0xFF0000},
    {"Brown", MarkColor::kBrown, {166, 42, 42}, 0x2A2AA6},
    {"Cyan", MarkColor::kCyan, {0, 255, 255}, 0xFFFF00},
    {"Green", MarkColor::kGreen, {0, 255, 0}, 0x00FF00},
    {"Magenta", MarkColor::kMagenta, {255, 0, 255}, 0xFF00FF},
    {"Red", MarkColor::kRed, {255, 0, 0}, 0x0000FF},
    {"Yellow", MarkColor::kYellow, {255, 255, 0}, 0x00FFFF},
};

TEST(ColorTableTest, EveryNameHasItsValueInListOrder) {
    ASSERT_EQ(std::size(kTable), kMarkColorNames.size());
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        const ColorRow& row = kTable[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_EQ(kMarkColorNames[i], row.name);
        EXPECT_EQ(ColorFromName(row.name), row.packed);
        EXPECT_EQ(MarkColorFromName(row.name), row.color);
        EXPECT_EQ(MarkColorName(row.color), row.name);
        EXPECT_EQ(MarkColorRgb(row.color), row.rgb);
        EXPECT_EQ(PackedColorOf(row.color), row.packed);
    }
}

TEST(ColorTableTest, NamesOutsideTheTableAreBlack) {
    for (std::string_view name : {"", "red", "RED", "Red ", " Red", "Re", "Redd", "Grey"}) {
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(ColorFromName(name), 0x000000u);
        EXPECT_EQ(MarkColorFromName(name), std::nullopt);
    }
    // The whole string counts, also past an embedded NUL.
    EXPECT_EQ(ColorFromName(std::string_view("Red\0x", 5)), 0x000000u);
}

}  // namespace
}  // namespace orvel
