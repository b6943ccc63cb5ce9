#pragma once

#include <string>
#include <string_view>

#include "editing/field_checks.h"

namespace orvel {

// The notation converter's two groups, each worked out from its own input
// alone. An input is taken without leading and trailing white space; an empty
// or invalid one (a character that is not a digit of its base, or more than
// the field's 8 digits) empties both outputs of its group.

// The field tables of the two inputs: 8 characters, blanks around them
// dropped, then 1 to 8 digits of the base; no fault is reported.
[[nodiscard]] const FieldTable& HexInputField();
[[nodiscard]] const FieldTable& DecInputField();

// The four bits of a hex digit, most significant first, and one space:
// '5' gives "0101 ". A lower-case digit counts as its upper-case form.
// `digit` must satisfy IsHexDigit.
[[nodiscard]] std::string HexDigitToBits(char digit);

struct HexInputOutputs {
    std::string dec;  // the 8-digit value read as a signed 32-bit number
    std::string bin;  // HexDigitToBits of every digit typed, leading zeros included
};
[[nodiscard]] HexInputOutputs ConvertHexInput(std::string_view input);

struct DecInputOutputs {
    std::string hex;  // upper case, no leading zeros
    std::string bin;  // HexDigitToBits of every digit of `hex`
};
[[nodiscard]] DecInputOutputs ConvertDecInput(std::string_view input);

}  // namespace orvel
