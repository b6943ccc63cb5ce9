#include "view/color_table.h"

#include <cstddef>

namespace orvel {
namespace {

// Indexed by MarkColor.
constexpr std::array<Rgb, kMarkColorCount> kRgb = {{
    {0, 0, 0},      // Black
    {0, 0, 255},    // Blue
    {166, 42, 42},  // Brown
    {0, 255, 255},  // Cyan
    {0, 255, 0},    // Green
    {255, 0, 255},  // Magenta
    {255, 0, 0},    // Red
    {255, 255, 0},  // Yellow
}};

std::size_t IndexOf(MarkColor color) {
    return static_cast<std::size_t>(color);
}

}  // namespace

std::optional<MarkColor> MarkColorFromName(std::string_view name) {
    for (std::size_t i = 0; i < kMarkColorNames.size(); ++i) {
        if (kMarkColorNames[i] == name)
            return static_cast<MarkColor>(i);
    }
    return std::nullopt;
}

PackedColor ColorFromName(std::string_view name) {
    return PackedColorOf(MarkColorFromName(name).value_or(MarkColor::kBlack));
}

std::string_view MarkColorName(MarkColor color) {
    return kMarkColorNames[IndexOf(color)];
}

Rgb MarkColorRgb(MarkColor color) {
    return kRgb[IndexOf(color)];
}

PackedColor PackedColorOf(MarkColor color) {
    const Rgb rgb = MarkColorRgb(color);
    return PackedColor{rgb.red} | PackedColor{rgb.green} << 8 | PackedColor{rgb.blue} << 16;
}

}  // namespace orvel
