#include "tools/notation.h"

#include <cstdint>
#include <cstdio>

#include "editing/validators.h"

namespace orvel {
namespace {

// Each input: blanks around it dropped, then 1 to 8 digits of its base. Faults
// are not reported: they empty the group's outputs.
constexpr CheckRow kInputChecks[] = {
    {0, FieldRule::kFilled, {}},
    {0, FieldRule::kFitsLength, {}},
    {0, FieldRule::kDigits, {}},
};
constexpr FieldRow kHexInputRow[] = {{"Hex:", NumberBase::kHex, 8, true}};
constexpr FieldRow kDecInputRow[] = {{"Dec:", NumberBase::kDecimal, 8, true}};
constexpr FieldTable kHexInputTable{kHexInputRow, kInputChecks};
constexpr FieldTable kDecInputTable{kDecInputRow, kInputChecks};

// The input's value when it passes its checks.
std::optional<std::uint32_t> InputValue(const FieldTable& table, std::string_view input) {
    const std::string text[] = {std::string(input)};
    if (CheckFields(table, text))
        return std::nullopt;
    return FieldValue(table.fields[0], input);
}

std::string BitsOf(std::string_view hexDigits) {
    std::string bits;
    bits.reserve(hexDigits.size() * 5);
    for (const char c : hexDigits)
        bits += HexDigitToBits(c);
    return bits;
}

}  // namespace

const FieldTable& HexInputField() {
    return kHexInputTable;
}

const FieldTable& DecInputField() {
    return kDecInputTable;
}

std::string HexDigitToBits(char digit) {
    const int v = HexDigitValue(digit);
    return {static_cast<char>('0' + (v >> 3 & 1)), static_cast<char>('0' + (v >> 2 & 1)),
            static_cast<char>('0' + (v >> 1 & 1)), static_cast<char>('0' + (v & 1)), ' '};
}

HexInputOutputs ConvertHexInput(std::string_view input) {
    const std::optional<std::uint32_t> value = InputValue(kHexInputTable, input);
    if (!value)
        return {};
    return {std::to_string(static_cast<std::int32_t>(*value)),
            BitsOf(CheckedText(kHexInputRow[0], input))};
}

DecInputOutputs ConvertDecInput(std::string_view input) {
    const std::optional<std::uint32_t> value = InputValue(kDecInputTable, input);
    if (!value)
        return {};
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(*value));
    return {hex, BitsOf(hex)};
}

}  // namespace orvel
