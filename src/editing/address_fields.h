#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "editing/field_checks.h"

namespace orvel {

// The start and end address fields of a block, as the block dialogs and the
// marking dialogs share them: eight hex digits, and on OK filled, hex digits
// only, below the file size.

inline constexpr FieldRow kStartAddressField{"Start Address (Hex):", NumberBase::kHex, 8};
inline constexpr FieldRow kEndAddressField{"End Address (Hex):", NumberBase::kHex, 8};

inline constexpr std::string_view kFillStartAddress = "Please fill the Start Address field!";
inline constexpr std::string_view kInvalidStartAddress =
    "Start Address field contains invalid characters!";
inline constexpr std::string_view kStartAddressTooLarge =
    "The value in the Start Address field can not be the same or larger than the value of file "
    "size!";

// `tooLarge` differs in a few dialogs ("of the file size!").
[[nodiscard]] constexpr std::array<CheckRow, 3> StartAddressChecks(
    std::size_t field, std::string_view tooLarge = kStartAddressTooLarge) {
    return RequiredNumber(field, kFillStartAddress, kInvalidStartAddress, FieldRule::kBelowSize,
                          tooLarge);
}

[[nodiscard]] constexpr std::array<CheckRow, 3> EndAddressChecks(std::size_t field) {
    return RequiredNumber(field, "Please fill the End Address field!",
                          "End Address field contains invalid characters!", FieldRule::kBelowSize,
                          "The value in the End Address field can not be the same or larger than "
                          "the value of the file size!");
}

}  // namespace orvel
