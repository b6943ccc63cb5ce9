#include "inspector/field_codec.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "editing/validators.h"

namespace orvel {
namespace {

// The control codes with a C escape of their own; every other one is "\xHH".
struct Escape {
    std::uint8_t byte;
    std::string_view text;
};
constexpr std::array<Escape, 9> kEscapes = {{
    {0x00, "\\0"},
    {0x07, "\\a"},
    {0x08, "\\b"},
    {0x09, "\\t"},
    {0x0A, "\\n"},
    {0x0B, "\\v"},
    {0x0C, "\\f"},
    {0x0D, "\\r"},
    {0x5C, "\\\\"},
}};

template <typename Float>
std::string Shortest(Float value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

std::size_t FixedSize(InspectorField field) {
    switch (field) {
        case InspectorField::kInt8:
        case InspectorField::kUInt8:
        case InspectorField::kBinary:
        case InspectorField::kAscii:
            return 1;
        case InspectorField::kInt16:
        case InspectorField::kUInt16:
            return 2;
        case InspectorField::kInt32:
        case InspectorField::kUInt32:
        case InspectorField::kFloat32:
        case InspectorField::kUnixTime32:
            return 4;
        case InspectorField::kInt64:
        case InspectorField::kUInt64:
        case InspectorField::kFloat64:
            return 8;
        case InspectorField::kUtf8:
            return 0;
    }
    return 0;
}

std::uint64_t ReadBits(std::span<const std::uint8_t> bytes, ByteOrder order) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t at = order == ByteOrder::kBigEndian ? i : bytes.size() - 1 - i;
        bits = bits << 8 | bytes[at];
    }
    return bits;
}

std::vector<std::uint8_t> WriteBits(std::uint64_t bits, std::size_t size, ByteOrder order) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t at = order == ByteOrder::kLittleEndian ? i : size - 1 - i;
        bytes[at] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return bytes;
}

std::string ShortestText(float value) {
    return Shortest(value);
}

std::string ShortestText(double value) {
    return Shortest(value);
}

std::string AsciiText(std::uint8_t byte) {
    for (const Escape& escape : kEscapes) {
        if (escape.byte == byte)
            return std::string(escape.text);
    }
    if (byte >= 0x20 && byte < 0x7F)
        return std::string(1, static_cast<char>(byte));
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

std::optional<std::uint8_t> AsciiByte(std::string_view text) {
    if (text.size() == 1 && text[0] >= 0x20 && text[0] < 0x7F)
        return static_cast<std::uint8_t>(text[0]);
    for (const Escape& escape : kEscapes) {
        if (escape.text == text)
            return escape.byte;
    }
    if (text.size() == 4 && text[0] == '\\' && (text[1] == 'x' || text[1] == 'X')) {
        const int high = HexDigitValue(text[2]);
        const int low = HexDigitValue(text[3]);
        if (high >= 0 && low >= 0 && high < 8)
            return static_cast<std::uint8_t>(high << 4 | low);
    }
    return std::nullopt;
}

std::string CodePointText(char32_t codePoint) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return text;
}

}  // namespace orvel
