#include "view/color_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

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

// Relative luminance of an sRGB colour (0 black, 1 white).
double Luminance(Rgb rgb) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

// Each tint lies between its colour and white, black text on it is readable,
// and no two marks (nor a mark and the white page) look alike.
TEST(ColorTableTest, TintsAreLightReadableAndTellTheMarksApart) {
    std::vector<Rgb> seen = {{255, 255, 255}};
    for (int i = 1; i < kMarkColorCount; ++i) {
        const auto color = static_cast<MarkColor>(i);
        SCOPED_TRACE(std::string(MarkColorName(color)));
        const Rgb full = MarkColorRgb(color);
        const Rgb tint = MarkTintRgb(color);
        EXPECT_GE(tint.red, full.red);
        EXPECT_GE(tint.green, full.green);
        EXPECT_GE(tint.blue, full.blue);
        EXPECT_GE((Luminance(tint) + 0.05) / 0.05, 4.5);
        for (const Rgb other : seen) {
            const int apart =
                std::max({std::abs(tint.red - other.red), std::abs(tint.green - other.green),
                          std::abs(tint.blue - other.blue)});
            EXPECT_GE(apart, 32) << int{other.red} << " " << int{other.green} << " "
                                 << int{other.blue};
        }
        seen.push_back(tint);
    }
}

}  // namespace
}  // namespace orvel
