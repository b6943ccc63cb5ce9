#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "view/mark_color.h"

namespace orvel {

// A colour as the packed value 0x00BBGGRR (red in the low byte).
using PackedColor = std::uint32_t;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The names every colour list offers, in the order the lists show them; the
// position of a name is the value of its MarkColor.
inline constexpr std::array<std::string_view, kMarkColorCount> kMarkColorNames = {
    "Black", "Blue", "Brown", "Cyan", "Green", "Magenta", "Red", "Yellow"};

// The colour of a name, compared exactly (case-sensitive, whole string).
// Settings hold names, so a name that is not in the table (or the empty name)
// falls back to black, the colour of unmarked text.
[[nodiscard]] PackedColor ColorFromName(std::string_view name);

// The mark colour of a name, or nothing when the name is not one of the eight.
[[nodiscard]] std::optional<MarkColor> MarkColorFromName(std::string_view name);

[[nodiscard]] std::string_view MarkColorName(MarkColor color);
[[nodiscard]] Rgb MarkColorRgb(MarkColor color);
// The light tint of a mark colour behind dark text (MarkDisplay::kBackground):
// the colour mixed with white; black text on it keeps a contrast of at least 4.5:1.
[[nodiscard]] Rgb MarkTintRgb(MarkColor color);
[[nodiscard]] PackedColor PackedColorOf(MarkColor color);

}  // namespace orvel
