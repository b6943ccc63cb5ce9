#include <bit>
#include <charconv>
#include <limits>

#include "editing/validators.h"
#include "inspector/data_inspector.h"
#include "inspector/field_codec.h"
#include "inspector/unix_time.h"
#include "inspector/utf8_char.h"

namespace orvel {
namespace {

// A refusal echoes at most this many bytes of the text.
constexpr std::size_t kEchoLimit = 40;

FieldBytes Refuse(std::string refusal) {
    return {{}, std::move(refusal)};
}

// The message parts joined (GCC 12 warns wrongly on "literal" + std::string&&).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

// The text as a message repeats it, cut short on a character boundary.
std::string Echo(std::string_view text) {
    if (text.size() <= kEchoLimit)
        return std::string(text);
    std::size_t cut = kEchoLimit;
    while (cut > 0 && (static_cast<std::uint8_t>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return Join({text.substr(0, cut), "..."});
}

std::string Quoted(std::string_view text) {
    return Join({"\"", Echo(text), "\""});
}

struct TypedInteger {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool tooLarge = false;  // the digits stand for 2^64 or more
};

// An optional sign, then decimal digits or "0x" and hex digits.
std::optional<TypedInteger> ReadInteger(std::string_view text) {
    TypedInteger number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number.magnitude, base);
    if (text.empty() || ptr != end || ec == std::errc::invalid_argument)
        return std::nullopt;
    number.tooLarge = ec == std::errc::result_out_of_range;
    return number;
}

FieldBytes EncodeInteger(std::string_view text, bool isSigned, std::size_t size, ByteOrder order) {
    const auto number = ReadInteger(text);
    if (!number) {
        return Refuse(
            Quoted(text).append(" is not a whole number. Type it in decimal, or in hex after 0x."));
    }
    const unsigned bits = static_cast<unsigned>(8 * size);
    // The largest magnitude each sign may have.
    const std::uint64_t maxPositive =
        isSigned ? (std::uint64_t{1} << (bits - 1)) - 1 : std::uint64_t(-1) >> (64 - bits);
    const std::uint64_t maxNegative = isSigned ? std::uint64_t{1} << (bits - 1) : 0;
    if (number->tooLarge || number->magnitude > (number->negative ? maxNegative : maxPositive)) {
        const std::string low = isSigned ? Join({"-", std::to_string(maxNegative)}) : "0";
        return Refuse(Join({Echo(text), " does not fit: a", isSigned ? " signed " : "n unsigned ",
                            std::to_string(bits), "-bit value lies between ", low, " and ",
                            std::to_string(maxPositive), "."}));
    }
    const std::uint64_t value = number->negative ? 0 - number->magnitude : number->magnitude;
    return {WriteBits(value, size, order), {}};
}

template <typename Float, typename Bits>
FieldBytes EncodeFloat(std::string_view text, ByteOrder order) {
    // from_chars takes a minus but no plus.
    std::string_view digits = text;
    if (text.starts_with('+') && !text.starts_with("+-"))
        digits.remove_prefix(1);
    Float value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ptr != end || ec == std::errc::invalid_argument) {
        return Refuse(
            Quoted(text).append(" is not a number. Type one such as 1.5, -2e-3, inf or nan."));
    }
    if (ec == std::errc::result_out_of_range) {
        using Limits = std::numeric_limits<Float>;
        return Refuse(Join({Echo(text), " does not fit: a ", std::to_string(8 * sizeof(Float)),
                            "-bit float holds magnitudes from ", ShortestText(Limits::denorm_min()),
                            " to ", ShortestText(Limits::max()), ", besides 0."}));
    }
    return {WriteBits(std::bit_cast<Bits>(value), sizeof(Float), order), {}};
}

FieldBytes EncodeBinary(std::string_view text) {
    if (text.empty() || text.size() > 8 || text.find_first_not_of("01") != std::string_view::npos) {
        return Refuse(Quoted(text).append(
            " is not a byte in binary. Type one to eight binary digits (0 and 1)."));
    }
    std::uint8_t byte = 0;
    for (const char c : text)
        byte = static_cast<std::uint8_t>(byte << 1 | (c - '0'));
    return {{byte}, {}};
}

FieldBytes EncodeAscii(std::string_view text) {
    const auto byte = AsciiByte(text);
    if (!byte) {
        return Refuse(Quoted(text).append(
            " is not one ASCII character. Type a character from the blank to ~, or an "
            "escape such as \\n, \\t or \\x1B."));
    }
    return {{*byte}, {}};
}

FieldBytes EncodeUtf8(std::string_view text) {
    char32_t codePoint = 0;
    if (text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+') {
        const std::string_view digits = text.substr(2);
        std::uint32_t value = 0;
        const char* end = digits.data() + digits.size();
        const auto [ptr, ec] = std::from_chars(digits.data(), end, value, 16);
        if (digits.size() > 6 || !IsHexString(digits) || ptr != end || ec != std::errc() ||
            !IsScalarValue(value)) {
            return Refuse(Quoted(text).append(
                " is no character: code points run from U+0000 to U+10FFFF, without "
                "U+D800-U+DFFF."));
        }
        codePoint = value;
    } else {
        const Utf8Char c =
            ReadUtf8Char({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        if (c.state != Utf8Char::State::kValid ||
            static_cast<std::size_t>(c.length) != text.size()) {
            return Refuse(Quoted(text).append(
                " is not one character. Type a single character, or its code point as "
                "U+ and hex digits (U+00E9)."));
        }
        codePoint = c.codePoint;
    }
    const std::string bytes = Utf8Bytes(codePoint);
    return {{bytes.begin(), bytes.end()}, {}};
}

FieldBytes EncodeUnixTime(std::string_view text, ByteOrder order) {
    const auto seconds = ParseUnixTime(text);
    if (!seconds) {
        return Refuse(
            Quoted(text).append(" is not a date and time. Type one as 2024-03-01 12:34:56."));
    }
    using Limits = std::numeric_limits<std::int32_t>;
    if (*seconds < Limits::min() || *seconds > Limits::max()) {
        return Refuse(
            Join({Echo(text), " is out of range: a 32-bit Unix time lies between ",
                  UnixTimeText(Limits::min()), " and ", UnixTimeText(Limits::max()), "."}));
    }
    return {WriteBits(static_cast<std::uint64_t>(*seconds), 4, order), {}};
}

FieldBytes EncodeValue(std::string_view text, InspectorField field, ByteOrder order) {
    // A blank is an ASCII or UTF-8 character; around a number it is only a blank.
    const std::string_view trimmed = TrimBlanks(text);
    const std::size_t size = FixedSize(field);
    switch (field) {
        case InspectorField::kInt8:
        case InspectorField::kInt16:
        case InspectorField::kInt32:
        case InspectorField::kInt64:
            return EncodeInteger(trimmed, true, size, order);
        case InspectorField::kUInt8:
        case InspectorField::kUInt16:
        case InspectorField::kUInt32:
        case InspectorField::kUInt64:
            return EncodeInteger(trimmed, false, size, order);
        case InspectorField::kFloat32:
            return EncodeFloat<float, std::uint32_t>(trimmed, order);
        case InspectorField::kFloat64:
            return EncodeFloat<double, std::uint64_t>(trimmed, order);
        case InspectorField::kBinary:
            return EncodeBinary(trimmed);
        case InspectorField::kAscii:
            return EncodeAscii(text);
        case InspectorField::kUtf8:
            return EncodeUtf8(text);
        case InspectorField::kUnixTime32:
            return EncodeUnixTime(trimmed, order);
    }
    return {};
}

}  // namespace

FieldBytes EncodeField(std::string_view text, InspectorField field, ByteOrder order, Offset room) {
    FieldBytes result = EncodeValue(text, field, order);
    const auto needed = static_cast<Offset>(result.bytes.size());
    if (!result.accepted() || needed <= room)
        return result;
    const std::string count = std::to_string(room);
    const std::string left =
        room <= 0   ? "the caret is at the end of the file"
        : room == 1 ? "only 1 byte is left before the end of the file"
                    : Join({"only ", count, " bytes are left before the end of the file"});
    const std::string takes = needed == 1 ? "1 byte" : Join({std::to_string(needed), " bytes"});
    return Refuse(Join({"The value takes ", takes, ", but ", left, "."}));
}

}  // namespace orvel
