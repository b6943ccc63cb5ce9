#include "tools/notation.h"

#include <cstdint>
#include <cstdio>

#include "editing/validators.h"

namespace orvel {
namespace {

constexpr std::size_t kInputLimit = 8;

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kWhite = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

std::string BitsOf(std::string_view hexDigits) {
    std::string bits;
    bits.reserve(hexDigits.size() * 5);
    for (const char c : hexDigits)
        bits += HexDigitToBits(c);
    return bits;
}

}  // namespace

std::string HexDigitToBits(char digit) {
    const int v = DigitValue(digit);
    return {static_cast<char>('0' + (v >> 3 & 1)), static_cast<char>('0' + (v >> 2 & 1)),
            static_cast<char>('0' + (v >> 1 & 1)), static_cast<char>('0' + (v & 1)), ' '};
}

HexInputOutputs ConvertHexInput(std::string_view input) {
    const std::string_view t = Trim(input);
    if (t.empty() || t.size() > kInputLimit || !IsHexString(t))
        return {};
    std::uint32_t value = 0;
    for (const char c : t)
        value = value << 4 | static_cast<std::uint32_t>(DigitValue(c));
    return {std::to_string(static_cast<std::int32_t>(value)), BitsOf(t)};
}

DecInputOutputs ConvertDecInput(std::string_view input) {
    const std::string_view t = Trim(input);
    if (t.empty() || t.size() > kInputLimit || !IsDecimalString(t))
        return {};
    std::uint32_t value = 0;
    for (const char c : t)
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(value));
    return {hex, BitsOf(hex)};
}

}  // namespace orvel
