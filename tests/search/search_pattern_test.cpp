#include "search/search_pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Tests {
    Bytes values;
    Bytes masks;
    friend bool operator==(const Tests&, const Tests&) = default;
};

Tests Of(const SearchPattern& pattern) {
    return {{pattern.values().begin(), pattern.values().end()},
            {pattern.masks().begin(), pattern.masks().end()}};
}

std::ostream& operator<<(std::ostream& out, const Tests& tests) {
    for (std::size_t k = 0; k < tests.values.size(); ++k) {
        out << std::hex << int{tests.values[k]} << "/" << int{tests.masks[k]} << " ";
    }
    return out;
}

TEST(ParseHexPatternTest, DigitsAndWildcards) {
    const struct {
        const char* text;
        Tests tests;
    } rows[] = {
        {"41", {{0x41}, {0xFF}}},
        {"ABC", {{0x0A, 0xBC}, {0xFF, 0xFF}}},  // an odd first digit makes a byte alone
        {" 4d??5A\t", {{0x4D, 0x00, 0x5A}, {0xFF, 0x00, 0xFF}}},
        {"4??A", {{0x40, 0x0A}, {0xF0, 0x0F}}},
        {"?", {{0x00}, {0xF0}}},
        {"???", {{0x00, 0x00}, {0xF0, 0x00}}},
        {"0123456789abcdef", {{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}, Bytes(8, 0xFF)}},
    };
    for (const auto& row : rows) {
        const auto pattern = ParseHexPattern(row.text);
        ASSERT_TRUE(pattern.has_value()) << row.text;
        EXPECT_EQ(Of(*pattern), row.tests) << row.text;
    }
    for (const char* text : {"", "  ", "4G", "0x41", "41 42", "4*", "-1"})
        EXPECT_FALSE(ParseHexPattern(text).has_value()) << text;

    const std::string longest(2 * kMaxSearchPatternSize, 'a');
    EXPECT_EQ(ParseHexPattern(longest)->size(), kMaxSearchPatternSize);
    EXPECT_FALSE(ParseHexPattern(longest + "a").has_value());
}

TEST(TextPatternTest, EncodingsAndEitherCase) {
    const auto tests = [](std::u32string_view text, TextEncoding encoding, bool ignoreCase) {
        const auto pattern = TextPattern(text, encoding, ignoreCase);
        return pattern ? Of(*pattern) : Tests{};
    };
    EXPECT_EQ(tests(U"A\u00E9", TextEncoding::kLatin1, false), (Tests{{0x41, 0xE9}, {0xFF, 0xFF}}));
    EXPECT_EQ(tests(U"\u00E9", TextEncoding::kUtf8, false), (Tests{{0xC3, 0xA9}, {0xFF, 0xFF}}));
    EXPECT_EQ(tests(U"A\u20AC", TextEncoding::kUtf16LE, false),
              (Tests{{0x41, 0x00, 0xAC, 0x20}, Bytes(4, 0xFF)}));
    EXPECT_EQ(tests(U"A\u20AC", TextEncoding::kUtf16BE, false),
              (Tests{{0x00, 0x41, 0x20, 0xAC}, Bytes(4, 0xFF)}));
    EXPECT_EQ(tests(U"\U0001F600", TextEncoding::kUtf16LE, false),
              (Tests{{0x3D, 0xD8, 0x00, 0xDE}, Bytes(4, 0xFF)}));

    // Either case for ASCII letters only: the letter's byte loses its case bit,
    // every other byte stays exact, also a letter's value inside another character.
    EXPECT_EQ(tests(U"aZ1@\u00E9", TextEncoding::kLatin1, true),
              (Tests{{0x41, 0x5A, 0x31, 0x40, 0xE9}, {0xDF, 0xDF, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(tests(U"a\u4141", TextEncoding::kUtf16LE, true),
              (Tests{{0x41, 0x00, 0x41, 0x41}, {0xDF, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(tests(U"a", TextEncoding::kUtf16BE, true), (Tests{{0x00, 0x41}, {0xFF, 0xDF}}));

    EXPECT_FALSE(TextPattern(U"", TextEncoding::kLatin1, false).has_value());
    EXPECT_FALSE(TextPattern(U"\u0100", TextEncoding::kLatin1, false).has_value());
    EXPECT_FALSE(TextPattern(std::u32string(1, 0xD800), TextEncoding::kUtf8, false).has_value());
    EXPECT_FALSE(TextPattern(std::u32string(1, 0x110000), TextEncoding::kUtf16LE, false));
    const std::u32string half(kMaxSearchPatternSize / 2, U'x');
    EXPECT_TRUE(TextPattern(half, TextEncoding::kUtf16LE, false).has_value());
    EXPECT_FALSE(TextPattern(half + U"x", TextEncoding::kUtf16LE, false).has_value());
}

TEST(TextPatternTest, EitherCaseMatchesBothCasesAndNothingElse) {
    const SearchPattern pattern = *TextPattern(U"a", TextEncoding::kLatin1, true);
    std::string matched;
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (pattern.MatchesAt(&byte))
            matched += static_cast<char>(c);
    }
    EXPECT_EQ(matched, "Aa");
}

TEST(DecodeArgumentTextTest, Utf8WhenValidElseLatin1) {
    EXPECT_EQ(DecodeArgumentText("MZ"), U"MZ");
    EXPECT_EQ(DecodeArgumentText("\xC3\xA9t\xC3\xA9"), U"\u00E9t\u00E9");
    EXPECT_EQ(DecodeArgumentText("\xF0\x9F\x98\x80"), U"\U0001F600");
    EXPECT_EQ(DecodeArgumentText("\xE9t\xC3\xA9"), U"\u00E9t\u00C3\u00A9");
    EXPECT_EQ(DecodeArgumentText("\xC0\x80"), U"\u00C0\u0080");            // overlong
    EXPECT_EQ(DecodeArgumentText("\xED\xA0\x80"), U"\u00ED\u00A0\u0080");  // a surrogate
    EXPECT_EQ(DecodeArgumentText("\xC3"), U"\u00C3");                      // cut short
    EXPECT_EQ(DecodeArgumentText(""), U"");
}

}  // namespace
}  // namespace orvel
