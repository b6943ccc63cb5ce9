#include "inspector/data_inspector.h"

#include <bit>
#include <cstdio>
#include <limits>

#include "inspector/field_codec.h"
#include "inspector/unix_time.h"
#include "inspector/utf8_char.h"

namespace orvel {
namespace {

using State = InspectedValue::State;

InspectedValue Unavailable() {
    return {State::kUnavailable, "unavailable"};
}

std::string Decimal(auto value) {
    return std::to_string(value);
}

template <typename Float>
std::string FloatText(Float value) {
    if (value != value)
        return "NaN";
    if (value == std::numeric_limits<Float>::infinity())
        return "Infinity";
    if (value == -std::numeric_limits<Float>::infinity())
        return "-Infinity";
    return ShortestText(value);
}

std::string BinaryText(std::uint8_t byte) {
    std::string text(8, '0');
    for (int bit = 0; bit < 8; ++bit) {
        if (byte >> (7 - bit) & 1)
            text[static_cast<std::size_t>(bit)] = '1';
    }
    return text;
}

InspectedValue AsciiValue(std::uint8_t byte) {
    if (byte >= 0x80)
        return {State::kNotValid, "not ASCII"};
    return {State::kShown, AsciiText(byte)};
}

// The code point alone where the character itself would be invisible or
// would break the line: the C0 and C1 controls, DEL and the line separators.
bool ShowsCodePointOnly(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 ||
           codePoint == 0x2029;
}

InspectedValue Utf8Value(std::span<const std::uint8_t> bytes) {
    const Utf8Char c = ReadUtf8Char(bytes);
    switch (c.state) {
        case Utf8Char::State::kValid:
            break;
        case Utf8Char::State::kInvalid:
            return {State::kNotValid, "invalid UTF-8"};
        case Utf8Char::State::kTruncated:
        case Utf8Char::State::kEmpty:
            return Unavailable();
    }
    const std::string codePoint = CodePointText(c.codePoint);
    if (ShowsCodePointOnly(c.codePoint))
        return {State::kShown, codePoint};
    return {State::kShown, Utf8Bytes(c.codePoint) + " (" + codePoint + ")"};
}

}  // namespace

std::string_view FieldLabel(InspectorField field) {
    switch (field) {
        case InspectorField::kInt8:
            return "Signed 8-bit";
        case InspectorField::kUInt8:
            return "Unsigned 8-bit";
        case InspectorField::kInt16:
            return "Signed 16-bit";
        case InspectorField::kUInt16:
            return "Unsigned 16-bit";
        case InspectorField::kInt32:
            return "Signed 32-bit";
        case InspectorField::kUInt32:
            return "Unsigned 32-bit";
        case InspectorField::kInt64:
            return "Signed 64-bit";
        case InspectorField::kUInt64:
            return "Unsigned 64-bit";
        case InspectorField::kFloat32:
            return "Float 32-bit";
        case InspectorField::kFloat64:
            return "Float 64-bit";
        case InspectorField::kBinary:
            return "Binary";
        case InspectorField::kAscii:
            return "ASCII";
        case InspectorField::kUtf8:
            return "UTF-8";
        case InspectorField::kUnixTime32:
            return "Unix time 32-bit";
    }
    return {};
}

bool UsesByteOrder(InspectorField field) {
    return FixedSize(field) > 1;
}

InspectedValue InspectField(std::span<const std::uint8_t> bytes, InspectorField field,
                            ByteOrder order) {
    if (field == InspectorField::kUtf8)
        return Utf8Value(bytes);
    const std::size_t size = FixedSize(field);
    if (bytes.size() < size)
        return Unavailable();
    const std::uint64_t bits = ReadBits(bytes.first(size), order);
    switch (field) {
        case InspectorField::kInt8:
            return {State::kShown, Decimal(static_cast<std::int8_t>(bits))};
        case InspectorField::kUInt8:
            return {State::kShown, Decimal(static_cast<std::uint8_t>(bits))};
        case InspectorField::kInt16:
            return {State::kShown, Decimal(static_cast<std::int16_t>(bits))};
        case InspectorField::kUInt16:
            return {State::kShown, Decimal(static_cast<std::uint16_t>(bits))};
        case InspectorField::kInt32:
            return {State::kShown, Decimal(static_cast<std::int32_t>(bits))};
        case InspectorField::kUInt32:
            return {State::kShown, Decimal(static_cast<std::uint32_t>(bits))};
        case InspectorField::kInt64:
            return {State::kShown, Decimal(static_cast<std::int64_t>(bits))};
        case InspectorField::kUInt64:
            return {State::kShown, Decimal(bits)};
        case InspectorField::kFloat32:
            return {State::kShown,
                    FloatText(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))};
        case InspectorField::kFloat64:
            return {State::kShown, FloatText(std::bit_cast<double>(bits))};
        case InspectorField::kBinary:
            return {State::kShown, BinaryText(static_cast<std::uint8_t>(bits))};
        case InspectorField::kAscii:
            return AsciiValue(static_cast<std::uint8_t>(bits));
        case InspectorField::kUnixTime32:
            return {State::kShown, UnixTimeText(static_cast<std::int32_t>(bits))};
        case InspectorField::kUtf8:
            break;
    }
    return Unavailable();
}

}  // namespace orvel
