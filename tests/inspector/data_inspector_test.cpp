#include "inspector/data_inspector.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Field = InspectorField;
using State = InspectedValue::State;
constexpr auto kLE = ByteOrder::kLittleEndian;
constexpr auto kBE = ByteOrder::kBigEndian;
constexpr Offset kRoom = 64;

std::string Show(const Bytes& bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X ", b);
        text += pair;
    }
    return text;
}

TEST(DataInspectorTest, ShowsTheValueOfTheBytesAtTheCaret) {
    const struct {
        Bytes bytes;
        Field field;
        ByteOrder order;
        std::string text;
    } rows[] = {
        {{0xFF}, Field::kInt8, kLE, "-1"},
        {{0x80}, Field::kInt8, kLE, "-128"},
        {{0xFF}, Field::kUInt8, kLE, "255"},
        {{0x00, 0x80}, Field::kInt16, kLE, "-32768"},
        {{0x80, 0x00}, Field::kInt16, kBE, "-32768"},
        {{0x34, 0x12}, Field::kUInt16, kLE, "4660"},
        {{0x12, 0x34}, Field::kUInt16, kBE, "4660"},
        {{0x00, 0x00, 0x00, 0x80}, Field::kInt32, kLE, "-2147483648"},
        {{0xFF, 0xFF, 0xFF, 0x7F}, Field::kInt32, kLE, "2147483647"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, Field::kUInt32, kBE, "4294967295"},
        {{0x01, 0x02, 0x03, 0x04}, Field::kUInt32, kLE, "67305985"},
        {{0x01, 0x02, 0x03, 0x04}, Field::kUInt32, kBE, "16909060"},
        {{0, 0, 0, 0, 0, 0, 0, 0x80}, Field::kInt64, kLE, "-9223372036854775808"},
        {{0x80, 0, 0, 0, 0, 0, 0, 0}, Field::kInt64, kBE, "-9223372036854775808"},
        {Bytes(8, 0xFF), Field::kUInt64, kLE, "18446744073709551615"},
        {{1, 0, 0, 0, 0, 0, 0, 0}, Field::kUInt64, kBE, "72057594037927936"},
        // Only the field's own bytes count.
        {{0x01, 0xFF, 0xFF}, Field::kUInt8, kBE, "1"},
        {{0x01, 0x00, 0xFF, 0xFF}, Field::kUInt16, kLE, "1"},
        {{0x00, 0x00, 0x80, 0x3F}, Field::kFloat32, kLE, "1"},
        {{0x3F, 0x80, 0x00, 0x00}, Field::kFloat32, kBE, "1"},
        {{0x3D, 0xCC, 0xCC, 0xCD}, Field::kFloat32, kBE, "0.1"},
        {{0xBB, 0x03, 0x12, 0x6F}, Field::kFloat32, kBE, "-0.002"},
        {{0x80, 0x00, 0x00, 0x00}, Field::kFloat32, kBE, "-0"},
        {{0x00, 0x00, 0x00, 0x01}, Field::kFloat32, kBE, "1e-45"},
        {{0x7F, 0x7F, 0xFF, 0xFF}, Field::kFloat32, kBE, "3.4028235e+38"},
        {{0x7F, 0xC0, 0x00, 0x00}, Field::kFloat32, kBE, "NaN"},
        {{0xFF, 0xC0, 0x00, 0x01}, Field::kFloat32, kBE, "NaN"},  // sign and payload
        {{0x7F, 0x80, 0x00, 0x01}, Field::kFloat32, kBE, "NaN"},  // signalling
        {{0x7F, 0x80, 0x00, 0x00}, Field::kFloat32, kBE, "Infinity"},
        {{0x00, 0x00, 0x80, 0xFF}, Field::kFloat32, kLE, "-Infinity"},
        {{0x3F, 0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}, Field::kFloat64, kBE, "0.1"},
        {{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}, Field::kFloat64, kLE, "0.1"},
        {{0, 0, 0, 0, 0, 0, 0, 1}, Field::kFloat64, kBE, "5e-324"},
        {{0x7F, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         Field::kFloat64,
         kBE,
         "1.7976931348623157e+308"},
        {{0x7F, 0xF8, 0, 0, 0, 0, 0, 0}, Field::kFloat64, kBE, "NaN"},
        {{0x7F, 0xF0, 0, 0, 0, 0, 0, 0}, Field::kFloat64, kBE, "Infinity"},
        {{0xFF, 0xF0, 0, 0, 0, 0, 0, 0}, Field::kFloat64, kBE, "-Infinity"},
        {{0x4D}, Field::kBinary, kLE, "01001101"},
        {{0x00}, Field::kBinary, kLE, "00000000"},
        {{0xFF}, Field::kBinary, kBE, "11111111"},
        {{0x41}, Field::kAscii, kLE, "A"},
        {{0x20}, Field::kAscii, kLE, " "},
        {{0x7E}, Field::kAscii, kLE, "~"},
        {{0x5C}, Field::kAscii, kLE, "\\\\"},
        {{0x00}, Field::kAscii, kLE, "\\0"},
        {{0x0A}, Field::kAscii, kLE, "\\n"},
        {{0x0D}, Field::kAscii, kLE, "\\r"},
        {{0x1B}, Field::kAscii, kLE, "\\x1B"},
        {{0x7F}, Field::kAscii, kLE, "\\x7F"},
        {{0x00, 0x00, 0x00, 0x00}, Field::kUnixTime32, kLE, "1970-01-01 00:00:00 UTC"},
        {{0x65, 0xE1, 0xCB, 0x70}, Field::kUnixTime32, kBE, "2024-03-01 12:34:56 UTC"},
        {{0x70, 0xCB, 0xE1, 0x65}, Field::kUnixTime32, kLE, "2024-03-01 12:34:56 UTC"},
        {{0xFF, 0xFF, 0xFF, 0x7F}, Field::kUnixTime32, kLE, "2038-01-19 03:14:07 UTC"},
        {{0x00, 0x00, 0x00, 0x80}, Field::kUnixTime32, kLE, "1901-12-13 20:45:52 UTC"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, Field::kUnixTime32, kLE, "1969-12-31 23:59:59 UTC"},
    };
    for (const auto& row : rows) {
        const InspectedValue value = InspectField(row.bytes, row.field, row.order);
        EXPECT_EQ(value.state, State::kShown) << FieldLabel(row.field) << ": " << Show(row.bytes);
        EXPECT_EQ(value.text, row.text) << FieldLabel(row.field) << ": " << Show(row.bytes);
    }
}

TEST(DataInspectorTest, ShowsTheUtf8CharacterThatStartsAtTheCaret) {
    const struct {
        Bytes bytes;
        State state;
        std::string text;
    } rows[] = {
        {{0x41, 0xC3}, State::kShown, "A (U+0041)"},
        {{0xC3, 0xA9}, State::kShown, "\xC3\xA9 (U+00E9)"},
        {{0xE2, 0x82, 0xAC, 0x41}, State::kShown, "\xE2\x82\xAC (U+20AC)"},
        {{0xF0, 0x9F, 0x98, 0x80}, State::kShown, "\xF0\x9F\x98\x80 (U+1F600)"},
        {{0xF4, 0x8F, 0xBF, 0xBF}, State::kShown, "\xF4\x8F\xBF\xBF (U+10FFFF)"},
        {{0xED, 0x9F, 0xBF}, State::kShown, "\xED\x9F\xBF (U+D7FF)"},
        {{0xEE, 0x80, 0x80}, State::kShown, "\xEE\x80\x80 (U+E000)"},
        // Controls and line separators by their code point only.
        {{0x00}, State::kShown, "U+0000"},
        {{0x0A}, State::kShown, "U+000A"},
        {{0x7F}, State::kShown, "U+007F"},
        {{0xC2, 0x85}, State::kShown, "U+0085"},
        {{0xE2, 0x80, 0xA8}, State::kShown, "U+2028"},
        // Not the start of a character.
        {{0x80}, State::kNotValid, "invalid UTF-8"},
        {{0xBF, 0x41}, State::kNotValid, "invalid UTF-8"},
        {{0xC3, 0x41}, State::kNotValid, "invalid UTF-8"},
        {{0xE2, 0x41}, State::kNotValid, "invalid UTF-8"},  // wrong before the end is reached
        {{0xF0, 0x9F, 0x98, 0x41}, State::kNotValid, "invalid UTF-8"},
        {{0xFE}, State::kNotValid, "invalid UTF-8"},
        {{0xFF, 0xFF}, State::kNotValid, "invalid UTF-8"},
        // Overlong forms.
        {{0xC0, 0x80}, State::kNotValid, "invalid UTF-8"},
        {{0xC1, 0xBF}, State::kNotValid, "invalid UTF-8"},
        {{0xE0, 0x80, 0x80}, State::kNotValid, "invalid UTF-8"},
        {{0xE0, 0x9F, 0xBF}, State::kNotValid, "invalid UTF-8"},
        {{0xF0, 0x8F, 0xBF, 0xBF}, State::kNotValid, "invalid UTF-8"},
        // Surrogates and values past U+10FFFF.
        {{0xED, 0xA0, 0x80}, State::kNotValid, "invalid UTF-8"},
        {{0xED, 0xBF, 0xBF}, State::kNotValid, "invalid UTF-8"},
        {{0xF4, 0x90, 0x80, 0x80}, State::kNotValid, "invalid UTF-8"},
        {{0xF5, 0x80, 0x80, 0x80}, State::kNotValid, "invalid UTF-8"},
        // A character cut off by the end of the file.
        {{}, State::kUnavailable, "unavailable"},
        {{0xC3}, State::kUnavailable, "unavailable"},
        {{0xE2, 0x82}, State::kUnavailable, "unavailable"},
        {{0xF0, 0x9F, 0x98}, State::kUnavailable, "unavailable"},
    };
    for (const auto& row : rows) {
        for (const ByteOrder order : {kLE, kBE}) {
            const InspectedValue value = InspectField(row.bytes, Field::kUtf8, order);
            EXPECT_EQ(value.state, row.state) << Show(row.bytes);
            EXPECT_EQ(value.text, row.text) << Show(row.bytes);
        }
    }
}

TEST(DataInspectorTest, BytesPastTheEndAreUnavailable) {
    const Bytes eight = {1, 2, 3, 4, 5, 6, 7, 8};
    for (const Field field : kInspectorFields) {
        const InspectedValue none = InspectField({}, field, kLE);
        EXPECT_EQ(none.state, State::kUnavailable) << FieldLabel(field);
        EXPECT_EQ(none.text, "unavailable") << FieldLabel(field);
    }
    const struct {
        Field field;
        std::size_t size;
    } sizes[] = {{Field::kInt16, 2},  {Field::kUInt16, 2},  {Field::kInt32, 4},
                 {Field::kUInt32, 4}, {Field::kFloat32, 4}, {Field::kUnixTime32, 4},
                 {Field::kInt64, 8},  {Field::kUInt64, 8},  {Field::kFloat64, 8}};
    for (const auto& row : sizes) {
        const std::span<const std::uint8_t> all(eight);
        EXPECT_EQ(InspectField(all.first(row.size - 1), row.field, kBE).state, State::kUnavailable)
            << FieldLabel(row.field);
        EXPECT_EQ(InspectField(all.first(row.size), row.field, kBE).state, State::kShown)
            << FieldLabel(row.field);
    }
}

TEST(DataInspectorTest, BytesAboveAsciiAreNoAsciiCharacter) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const InspectedValue value =
            InspectField(Bytes{static_cast<std::uint8_t>(byte)}, Field::kAscii, kLE);
        EXPECT_EQ(value.state, State::kNotValid) << byte;
        EXPECT_EQ(value.text, "not ASCII") << byte;
    }
}

TEST(DataInspectorTest, ByteOrderMattersOnlyForMultiByteFields) {
    for (const Field field : kInspectorFields) {
        const bool multiByte = field != Field::kInt8 && field != Field::kUInt8 &&
                               field != Field::kBinary && field != Field::kAscii &&
                               field != Field::kUtf8;
        EXPECT_EQ(UsesByteOrder(field), multiByte) << FieldLabel(field);
    }
}

TEST(DataInspectorTest, EncodesAValidValueToItsBytes) {
    const struct {
        std::string_view text;
        Field field;
        ByteOrder order;
        Bytes bytes;
    } rows[] = {
        {"-128", Field::kInt8, kLE, {0x80}},
        {"127", Field::kInt8, kLE, {0x7F}},
        {"0x7F", Field::kInt8, kLE, {0x7F}},
        {"-0x80", Field::kInt8, kLE, {0x80}},
        {" 5\t", Field::kInt8, kLE, {0x05}},
        {"+5", Field::kInt8, kLE, {0x05}},
        {"-1", Field::kInt8, kLE, {0xFF}},
        {"255", Field::kUInt8, kLE, {0xFF}},
        {"0xff", Field::kUInt8, kLE, {0xFF}},
        {"0XFF", Field::kUInt8, kLE, {0xFF}},
        {"-0", Field::kUInt8, kLE, {0x00}},
        {"007", Field::kUInt8, kLE, {0x07}},
        {"-2", Field::kInt16, kLE, {0xFE, 0xFF}},
        {"-2", Field::kInt16, kBE, {0xFF, 0xFE}},
        {"0x1234", Field::kUInt16, kLE, {0x34, 0x12}},
        {"0x1234", Field::kUInt16, kBE, {0x12, 0x34}},
        {"-2147483648", Field::kInt32, kLE, {0x00, 0x00, 0x00, 0x80}},
        {"4294967295", Field::kUInt32, kBE, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"16909060", Field::kUInt32, kBE, {0x01, 0x02, 0x03, 0x04}},
        {"-9223372036854775808", Field::kInt64, kLE, {0, 0, 0, 0, 0, 0, 0, 0x80}},
        {"9223372036854775807",
         Field::kInt64,
         kBE,
         {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"-0x8000000000000000", Field::kInt64, kBE, {0x80, 0, 0, 0, 0, 0, 0, 0}},
        {"18446744073709551615", Field::kUInt64, kLE, Bytes(8, 0xFF)},
        {"0xFFFFFFFFFFFFFFFF", Field::kUInt64, kBE, Bytes(8, 0xFF)},
        {"1", Field::kFloat32, kLE, {0x00, 0x00, 0x80, 0x3F}},
        {"+1.5", Field::kFloat32, kBE, {0x3F, 0xC0, 0x00, 0x00}},
        {"-2e-3", Field::kFloat32, kBE, {0xBB, 0x03, 0x12, 0x6F}},
        {"-0", Field::kFloat32, kBE, {0x80, 0x00, 0x00, 0x00}},
        {"1e-45", Field::kFloat32, kBE, {0x00, 0x00, 0x00, 0x01}},
        {"3.4028235e+38", Field::kFloat32, kBE, {0x7F, 0x7F, 0xFF, 0xFF}},
        {"inf", Field::kFloat32, kBE, {0x7F, 0x80, 0x00, 0x00}},
        {"-Infinity", Field::kFloat32, kBE, {0xFF, 0x80, 0x00, 0x00}},
        {"nan", Field::kFloat32, kBE, {0x7F, 0xC0, 0x00, 0x00}},
        {"0.1", Field::kFloat64, kBE, {0x3F, 0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}},
        {"5e-324", Field::kFloat64, kLE, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"NaN", Field::kFloat64, kBE, {0x7F, 0xF8, 0, 0, 0, 0, 0, 0}},
        {"01001101", Field::kBinary, kLE, {0x4D}},
        {"1", Field::kBinary, kLE, {0x01}},
        {" 11111111 ", Field::kBinary, kLE, {0xFF}},
        {"A", Field::kAscii, kLE, {0x41}},
        {" ", Field::kAscii, kLE, {0x20}},  // a blank is a character here
        {"\\", Field::kAscii, kLE, {0x5C}},
        {"\\\\", Field::kAscii, kLE, {0x5C}},
        {"\\0", Field::kAscii, kLE, {0x00}},
        {"\\n", Field::kAscii, kLE, {0x0A}},
        {"\\x1B", Field::kAscii, kLE, {0x1B}},
        {"\\x7f", Field::kAscii, kLE, {0x7F}},
        {"\xC3\xA9", Field::kUtf8, kLE, {0xC3, 0xA9}},
        {" ", Field::kUtf8, kLE, {0x20}},
        {"U+00E9", Field::kUtf8, kBE, {0xC3, 0xA9}},
        {"u+1f600", Field::kUtf8, kLE, {0xF0, 0x9F, 0x98, 0x80}},
        {"U+10FFFF", Field::kUtf8, kLE, {0xF4, 0x8F, 0xBF, 0xBF}},
        {"U+0", Field::kUtf8, kLE, {0x00}},
        {"U", Field::kUtf8, kLE, {0x55}},
        {"1970-01-01 00:00:00", Field::kUnixTime32, kLE, {0, 0, 0, 0}},
        {"2024-03-01 12:34:56 UTC", Field::kUnixTime32, kBE, {0x65, 0xE1, 0xCB, 0x70}},
        {"2024-03-01", Field::kUnixTime32, kBE, {0x65, 0xE1, 0x1A, 0x80}},
        {"2038-01-19 03:14:07", Field::kUnixTime32, kLE, {0xFF, 0xFF, 0xFF, 0x7F}},
        {"1901-12-13 20:45:52", Field::kUnixTime32, kLE, {0x00, 0x00, 0x00, 0x80}},
        {"1969-12-31T23:59:59Z", Field::kUnixTime32, kLE, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& row : rows) {
        const FieldBytes result = EncodeField(row.text, row.field, row.order, kRoom);
        EXPECT_TRUE(result.accepted())
            << FieldLabel(row.field) << " '" << row.text << "': " << result.refusal;
        EXPECT_EQ(result.bytes, row.bytes) << FieldLabel(row.field) << " '" << row.text << "'";
    }
}

TEST(DataInspectorTest, RefusesAValueThatDoesNotFitWithAClearMessage) {
    const struct {
        std::string_view text;
        Field field;
        std::string refusal;
    } rows[] = {
        {"128", Field::kInt8, "128 does not fit: a signed 8-bit value lies between -128 and 127."},
        {"-129", Field::kInt8,
         "-129 does not fit: a signed 8-bit value lies between -128 and 127."},
        {"0x80", Field::kInt8,
         "0x80 does not fit: a signed 8-bit value lies between -128 and 127."},
        {"256", Field::kUInt8, "256 does not fit: an unsigned 8-bit value lies between 0 and 255."},
        {"-1", Field::kUInt8, "-1 does not fit: an unsigned 8-bit value lies between 0 and 255."},
        {"65536", Field::kUInt16,
         "65536 does not fit: an unsigned 16-bit value lies between 0 and 65535."},
        {"2147483648", Field::kInt32,
         "2147483648 does not fit: a signed 32-bit value lies between -2147483648 and "
         "2147483647."},
        {"-9223372036854775809", Field::kInt64,
         "-9223372036854775809 does not fit: a signed 64-bit value lies between "
         "-9223372036854775808 and 9223372036854775807."},
        {"18446744073709551616", Field::kUInt64,
         "18446744073709551616 does not fit: an unsigned 64-bit value lies between 0 and "
         "18446744073709551615."},
        {"0x10000000000000000", Field::kUInt64,
         "0x10000000000000000 does not fit: an unsigned 64-bit value lies between 0 and "
         "18446744073709551615."},
        {"abc", Field::kInt16,
         "\"abc\" is not a whole number. Type it in decimal, or in hex after 0x."},
        {"1e39", Field::kFloat32,
         "1e39 does not fit: a 32-bit float holds magnitudes from 1e-45 to 3.4028235e+38, "
         "besides 0."},
        {"-1e-50", Field::kFloat32,
         "-1e-50 does not fit: a 32-bit float holds magnitudes from 1e-45 to 3.4028235e+38, "
         "besides 0."},
        {"1e309", Field::kFloat64,
         "1e309 does not fit: a 64-bit float holds magnitudes from 5e-324 to "
         "1.7976931348623157e+308, besides 0."},
        {"1,5", Field::kFloat64,
         "\"1,5\" is not a number. Type one such as 1.5, -2e-3, inf or nan."},
        {"2", Field::kBinary,
         "\"2\" is not a byte in binary. Type one to eight binary digits (0 and 1)."},
        {"AB", Field::kAscii,
         "\"AB\" is not one ASCII character. Type a character from the blank to ~, or an escape "
         "such as \\n, \\t or \\x1B."},
        {"AB", Field::kUtf8,
         "\"AB\" is not one character. Type a single character, or its code point as U+ and hex "
         "digits (U+00E9)."},
        {"U+D800", Field::kUtf8,
         "\"U+D800\" is no character: code points run from U+0000 to U+10FFFF, without "
         "U+D800-U+DFFF."},
        {"2038-01-19 03:14:08", Field::kUnixTime32,
         "2038-01-19 03:14:08 is out of range: a 32-bit Unix time lies between 1901-12-13 "
         "20:45:52 UTC and 2038-01-19 03:14:07 UTC."},
        {"2023-02-29", Field::kUnixTime32,
         "\"2023-02-29\" is not a date and time. Type one as 2024-03-01 12:34:56."},
    };
    for (const auto& row : rows) {
        const FieldBytes result = EncodeField(row.text, row.field, kLE, kRoom);
        EXPECT_FALSE(result.accepted()) << FieldLabel(row.field) << " '" << row.text << "'";
        EXPECT_TRUE(result.bytes.empty()) << FieldLabel(row.field) << " '" << row.text << "'";
        EXPECT_EQ(result.refusal, row.refusal);
    }
}

TEST(DataInspectorTest, RefusesTextsThatAreNoValueOfTheKind) {
    const struct {
        Field field;
        std::vector<std::string_view> texts;
    } rows[] = {
        {Field::kInt32,
         {"", " ", "0x", "--1", "+-1", "-+1", "1 2", "0x-1", "12a", "1.5", "1e3", "0b1", "x10",
          "0x 1", "\xEF\xBC\x91"}},
        {Field::kUInt64, {"", "-", "+", "0xG", "1_000"}},
        {Field::kFloat32, {"", "abc", "1.5e", "0x1p3", "++1", "+-1", "1 .5", "e5", "--1"}},
        {Field::kFloat64, {"infinityx", "1e", "."}},
        {Field::kBinary, {"", "101010101", "0b1", "1 0", "-1"}},
        {Field::kAscii,
         {"", "\xC3\xA9", "  A", "A ", "\\x80", "\\xFF", "\\x", "\\x1", "\\q", "\\x1G", "\x80"}},
        {Field::kUtf8,
         {"", "U+", "U+110000", "U+1234567", "U+G", "U+-1", "\x80", "\xC3", "\xC0\x80",
          "\xED\xA0\x80", "e\xCC\x81"}},
        {Field::kUnixTime32,
         {"", "yesterday", "2024-13-01", "2024-00-10", "2024-01-32", "2024-1-01", "24-01-01",
          "2024-01-01 24:00", "2024-01-01 23:60", "2024-01-01 23:59:60", "2024-01-01 12",
          "2024-01-01T", "2024-01-01 12:3", "2024-01-01UTC", "2024-01-01 12:00 GMT", "0"}},
    };
    for (const auto& row : rows) {
        for (const std::string_view text : row.texts) {
            const FieldBytes result = EncodeField(text, row.field, kBE, kRoom);
            EXPECT_FALSE(result.accepted()) << FieldLabel(row.field) << " '" << text << "'";
            EXPECT_TRUE(result.bytes.empty()) << FieldLabel(row.field) << " '" << text << "'";
        }
    }
}

TEST(DataInspectorTest, RefusesAValueWhoseBytesRunPastTheEnd) {
    const struct {
        std::string_view text;
        Field field;
        Offset room;
        std::string refusal;  // empty: accepted
    } rows[] = {
        {"1", Field::kInt32, 4, ""},
        {"1", Field::kInt32, 3,
         "The value takes 4 bytes, but only 3 bytes are left before the end of the file."},
        {"1", Field::kInt64, 1,
         "The value takes 8 bytes, but only 1 byte is left before the end of the file."},
        {"1", Field::kInt8, 0, "The value takes 1 byte, but the caret is at the end of the file."},
        {"A", Field::kUtf8, 1, ""},
        {"\xE2\x82\xAC", Field::kUtf8, 3, ""},
        {"\xE2\x82\xAC", Field::kUtf8, 2,
         "The value takes 3 bytes, but only 2 bytes are left before the end of the file."},
        // A text that is no value says so, wherever the caret is.
        {"x", Field::kInt8, 0,
         "\"x\" is not a whole number. Type it in decimal, or in hex after 0x."},
    };
    for (const auto& row : rows) {
        const FieldBytes result = EncodeField(row.text, row.field, kLE, row.room);
        EXPECT_EQ(result.refusal, row.refusal) << FieldLabel(row.field) << " '" << row.text << "'";
        EXPECT_EQ(result.bytes.empty(), !row.refusal.empty()) << row.text;
    }
}

TEST(DataInspectorTest, ARefusalQuotesALongTextShortened) {
    const std::string text = std::string(39, 'a') + "\xC3\xA9" + std::string(100, 'b');
    const FieldBytes result = EncodeField(text, Field::kInt8, kLE, kRoom);
    // Cut before the two-byte character, not through it.
    EXPECT_EQ(result.refusal, "\"" + std::string(39, 'a') +
                                  "...\" is not a whole number. Type it in decimal, or in hex "
                                  "after 0x.");
    const std::string digits(1000, '9');
    EXPECT_EQ(
        EncodeField(digits, Field::kUInt8, kLE, kRoom).refusal,
        std::string(40, '9') + "... does not fit: an unsigned 8-bit value lies between 0 and 255.");
}

// Every shown value reads back to the bytes it was shown for (a NaN stands for
// many bit patterns and reads back as the usual one).
TEST(DataInspectorTest, ShownValuesEncodeBackToTheirBytes) {
    std::mt19937 random(12);
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes(8);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        if (round % 4 == 0)  // near-zero and small values too
            std::fill(bytes.begin() + 1, bytes.end(), round % 8 == 0 ? 0x00 : 0xFF);
        for (const Field field : kInspectorFields) {
            if (field == Field::kUtf8)
                continue;
            for (const ByteOrder order : {kLE, kBE}) {
                const InspectedValue value = InspectField(bytes, field, order);
                if (value.state != State::kShown || value.text == "NaN")
                    continue;
                const FieldBytes back = EncodeField(value.text, field, order, kRoom);
                ASSERT_TRUE(back.accepted()) << FieldLabel(field) << " '" << value.text << "'";
                EXPECT_EQ(back.bytes, Bytes(bytes.begin(), bytes.begin() + back.bytes.size()))
                    << FieldLabel(field) << " '" << value.text << "'";
            }
        }
    }
}

TEST(DataInspectorTest, EveryCodePointEncodesToBytesThatShowIt) {
    for (char32_t cp = 0; cp <= 0x10FFFF; cp += cp < 0x3000 ? 1 : 61) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        char text[16];
        std::snprintf(text, sizeof text, "U+%X", static_cast<unsigned>(cp));
        const FieldBytes bytes = EncodeField(text, Field::kUtf8, kLE, kRoom);
        ASSERT_TRUE(bytes.accepted()) << text;
        const InspectedValue value = InspectField(bytes.bytes, Field::kUtf8, kLE);
        ASSERT_EQ(value.state, State::kShown) << text;
        char codePoint[16];
        std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(cp));
        const std::string character(bytes.bytes.begin(), bytes.bytes.end());
        if (value.text != codePoint) {
            EXPECT_EQ(value.text, character + " (" + codePoint + ")");
        }
    }
}

}  // namespace
}  // namespace orvel
