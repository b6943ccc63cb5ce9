// The rules of the search panel that need no window: reading its fields, where
// Find Next and Find Previous look, the history, and the hit list's text.
#include <gtest/gtest.h>

#include <vector>

#include "search/hit_context.h"
#include "search/search_history.h"
#include "search/search_query.h"
#include "search/search_step.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Values(const SearchPattern& pattern) {
    return {pattern.values().begin(), pattern.values().end()};
}
Bytes Masks(const SearchPattern& pattern) {
    return {pattern.masks().begin(), pattern.masks().end()};
}

TEST(SearchQueryTest, HexIsReadGroupByGroupWithWildcards) {
    const ParsedPattern parsed = ParseSearchQuery(U" 41 4 ??42 A? ", PatternMode::kHex, true);
    ASSERT_TRUE(parsed.pattern) << parsed.error;
    EXPECT_EQ(Values(*parsed.pattern), (Bytes{0x41, 0x04, 0x00, 0x42, 0xA0}));
    EXPECT_EQ(Masks(*parsed.pattern), (Bytes{0xFF, 0xFF, 0x00, 0xFF, 0xF0}));

    EXPECT_EQ(ParseSearchQuery(U"", PatternMode::kHex, true).error, kEmptyPatternMessage);
    EXPECT_EQ(ParseSearchQuery(U"   ", PatternMode::kHex, true).error, kEmptyPatternMessage);
    EXPECT_EQ(ParseSearchQuery(U"41 4G", PatternMode::kHex, true).error, kBadHexPatternMessage);
    EXPECT_EQ(ParseSearchQuery(U"41 \u00e9", PatternMode::kHex, true).error, kBadHexPatternMessage);
    // 64 KiB in two groups is the most; one byte more is refused.
    const std::u32string half(kMaxSearchPatternSize, U'A');
    EXPECT_TRUE(ParseSearchQuery(half + U" " + half, PatternMode::kHex, true).pattern);
    EXPECT_EQ(ParseSearchQuery(half + U" " + half + U" 00", PatternMode::kHex, true).error,
              kPatternTooLongMessage);
}

TEST(SearchQueryTest, TextIsEncodedAndLettersMayTakeEitherCase) {
    const ParsedPattern utf16 = ParseSearchQuery(U"a\u00e9", PatternMode::kUtf16BE, true);
    ASSERT_TRUE(utf16.pattern);
    EXPECT_EQ(Values(*utf16.pattern), (Bytes{0x00, 0x61, 0x00, 0xE9}));
    const ParsedPattern anyCase = ParseSearchQuery(U"a1", PatternMode::kLatin1, false);
    ASSERT_TRUE(anyCase.pattern);
    EXPECT_EQ(Masks(*anyCase.pattern), (Bytes{0xDF, 0xFF}));
    const ParsedPattern utf8 = ParseSearchQuery(U"\u00e9", PatternMode::kUtf8, true);
    ASSERT_TRUE(utf8.pattern);
    EXPECT_EQ(Values(*utf8.pattern), (Bytes{0xC3, 0xA9}));
    // Blanks are text: they are searched for.
    EXPECT_TRUE(ParseSearchQuery(U" ", PatternMode::kLatin1, true).pattern);
    EXPECT_EQ(ParseSearchQuery(U"\u20ac", PatternMode::kLatin1, true).error, kBadCharacterMessage);
    EXPECT_EQ(ParseSearchQuery(std::u32string(kMaxSearchPatternSize / 2 + 1, U'a'),
                               PatternMode::kUtf16LE, true)
                  .error,
              kPatternTooLongMessage);
}

TEST(SearchQueryTest, AReplacementHasNoWildcardsAndMayBeEmpty) {
    EXPECT_EQ(*ParseReplacement(U"0A bc", PatternMode::kHex).bytes, (Bytes{0x0A, 0xBC}));
    EXPECT_TRUE(ParseReplacement(U"", PatternMode::kHex).bytes->empty());
    EXPECT_TRUE(ParseReplacement(U"  ", PatternMode::kHex).bytes->empty());
    EXPECT_TRUE(ParseReplacement(U"", PatternMode::kUtf8).bytes->empty());
    EXPECT_EQ(*ParseReplacement(U" ", PatternMode::kLatin1).bytes, (Bytes{0x20}));
    EXPECT_EQ(ParseReplacement(U"4?", PatternMode::kHex).error, kBadHexReplacementMessage);
    EXPECT_EQ(ParseReplacement(U"xy", PatternMode::kHex).error, kBadHexReplacementMessage);
    EXPECT_EQ(*ParseReplacement(U"Ab", PatternMode::kUtf16LE).bytes, (Bytes{'A', 0, 'b', 0}));
}

TEST(FindStepTest, RangesStepOverTheSelectedHitAndWrap) {
    const ByteSpan file{0, 100};
    using D = SearchDirection;
    struct Row {
        ByteSpan current;
        D direction;
        bool wrap;
        std::vector<ByteSpan> expected;
    };
    const Row rows[] = {
        // The caret's byte may be a hit; a selected hit is stepped over.
        {{10, 10}, D::kForward, false, {{10, 100}}},
        {{10, 14}, D::kForward, false, {{14, 100}}},
        // Wrapping takes the hits that start before, overlapping ones too.
        {{10, 14}, D::kForward, true, {{14, 100}, {0, 17}}},
        {{0, 0}, D::kForward, true, {{0, 100}}},
        // Backwards: the hits that end at or before the selection's start.
        {{10, 14}, D::kBackward, false, {{0, 10}}},
        {{10, 14}, D::kBackward, true, {{0, 10}, {7, 100}}},
        {{100, 100}, D::kBackward, true, {{0, 100}}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FindStepRanges(file, row.current, 4, row.direction, row.wrap), row.expected)
            << row.current.first << "-" << row.current.last;
    }
    // Within a kept selection; a caret outside it counts as at its nearest end.
    const ByteSpan scope{20, 40};
    EXPECT_EQ(FindStepRanges(scope, {5, 5}, 2, D::kForward, true),
              (std::vector<ByteSpan>{{20, 40}}));
    EXPECT_EQ(FindStepRanges(scope, {50, 52}, 2, D::kForward, true),
              (std::vector<ByteSpan>{{40, 40}, {20, 40}}));
    EXPECT_EQ(FindStepRanges(scope, {30, 32}, 2, D::kBackward, true),
              (std::vector<ByteSpan>{{20, 30}, {29, 40}}));
}

TEST(SearchHistoryTest, LatestFirstWithoutRepeatsOrBlanksWithinItsCapacity) {
    SearchHistory history(3);
    history.Add("41");
    history.Add("42");
    history.Add("  ");
    history.Add("");
    history.Add("41");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"41", "42"}));
    history.Add("43");
    history.Add("44");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"44", "43", "41"}));
    // Stored lists come back under the same rules.
    history.Assign({"a", "b", "a", "", "c", "d"});
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(HitContextTest, TheHitInBracketsWithItsNeighbours) {
    const Bytes bytes{0x00, 0x01, 0x41, 0x42, 0x43, 0x02, 0x03, 0x04, 0x05, 0x06};
    EXPECT_EQ(HitContextText(bytes, 2, 2), "00 01 [41 42] 43 02 03 04  ..ABC...");
    EXPECT_EQ(HitContextText(bytes, 0, 1), "[00] 01 41 42 43  ..ABC");
    EXPECT_EQ(HitContextText(bytes, 8, 2), "43 02 03 04 [05 06]  C.....");
    const Bytes long_(40, 0x41);
    EXPECT_EQ(HitContextText(long_, 20, 30),
              "41 41 41 41 [41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41...]  "
              "AAAAAAAAAAAAAAAAAAAA");
}

}  // namespace
}  // namespace orvel
