#include "editing/number_text.h"

#include "editing/validators.h"

namespace orvel {

LeadingNumber ReadLeadingNumber(std::string_view text, NumberBase base) {
    const std::uint64_t radix = base == NumberBase::kHex ? 16 : 10;
    LeadingNumber number;
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit =
            base == NumberBase::kHex ? HexDigitValue(c) : (IsDecimalDigit(c) ? c - '0' : -1);
        if (digit < 0)
            break;
        // Once past 32 bits the value only grows, so it stops being tracked.
        if (number.fits) {
            value = value * radix + static_cast<std::uint64_t>(digit);
            number.fits = value <= UINT32_MAX;
        }
        ++number.digits;
    }
    number.value = number.fits ? static_cast<std::uint32_t>(value) : UINT32_MAX;
    return number;
}

std::optional<std::uint32_t> ParseNumber(std::string_view text, NumberBase base) {
    const LeadingNumber number = ReadLeadingNumber(text, base);
    if (text.empty() || number.digits != text.size() || !number.fits)
        return std::nullopt;
    return number.value;
}

}  // namespace orvel
