// The search engine against a naive search: random data and patterns with
// every kind of byte test, both directions, all the edges of a range.
#include "search/searcher.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "search/hit_iterator.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool NaiveMatch(const SearchPattern& pattern, const Bytes& bytes, Offset at) {
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if ((bytes[static_cast<std::size_t>(at) + k] & pattern.masks()[k]) != pattern.values()[k])
            return false;
    }
    return true;
}

// Every hit in [first, last), found position by position with the stepping rule.
std::vector<Offset> NaiveHits(const SearchPattern& pattern, const Bytes& bytes, Offset first,
                              Offset last, SearchDirection direction) {
    const auto n = static_cast<Offset>(pattern.size());
    std::vector<Offset> hits;
    if (n == 0)
        return hits;
    if (direction == SearchDirection::kForward) {
        for (Offset at = first; at + n <= last;) {
            if (NaiveMatch(pattern, bytes, at)) {
                hits.push_back(at);
                at += n;
            } else {
                ++at;
            }
        }
    } else {
        for (Offset at = last - n; at >= first;) {
            if (NaiveMatch(pattern, bytes, at)) {
                hits.push_back(at);
                at -= n;
            } else {
                --at;
            }
        }
    }
    return hits;
}

std::vector<Offset> AllHits(HitIterator iterator) {
    std::vector<Offset> hits;
    for (Offset at; (at = iterator.Next()) >= 0;)
        hits.push_back(at);
    return hits;
}

// A random pattern of `n` bytes drawn from `alphabet` values, each byte exact,
// a wildcard, a nibble, or either case.
SearchPattern RandomPattern(std::mt19937& random, std::size_t n, int alphabet, int kinds) {
    SearchPattern pattern;
    constexpr std::uint8_t kMasks[] = {0xFF, 0x00, 0xF0, 0x0F, 0xDF};
    for (std::size_t k = 0; k < n; ++k) {
        const auto value = static_cast<std::uint8_t>(random() % alphabet);
        pattern.Append(value, kMasks[random() % kinds]);
    }
    return pattern;
}

Bytes RandomBytes(std::mt19937& random, std::size_t size, int alphabet) {
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random() % alphabet);
    return bytes;
}

// Small alphabets put candidates and hits on every lane of the 16- and
// 64-position steps and across their boundaries; long patterns, patterns
// longer than the data and empty ranges come up on the way.
TEST(SearcherTest, AgreesWithANaiveSearchOnRandomDataAndPatterns) {
    std::mt19937 random(1311);
    for (int round = 0; round < 3000; ++round) {
        const int alphabet = round % 4 == 0 ? 2 : round % 4 == 1 ? 3 : round % 4 == 2 ? 16 : 256;
        const int kinds = round % 3 == 0 ? 1 : 5;  // a third exact only
        const Bytes bytes = RandomBytes(random, random() % 400, alphabet);
        const std::size_t n = round % 50 == 0 ? 20 + random() % 100 : 1 + random() % 9;
        const SearchPattern pattern = RandomPattern(random, n, alphabet, kinds);
        const Searcher searcher(pattern);
        const auto size = static_cast<Offset>(bytes.size());
        const Offset first = random() % (size + 1);
        const Offset last = first + random() % (size - first + 1);
        for (const auto direction : {SearchDirection::kForward, SearchDirection::kBackward}) {
            const std::vector<Offset> expected = NaiveHits(pattern, bytes, first, last, direction);
            ASSERT_EQ(AllHits(HitIterator(searcher, bytes, first, last, direction)), expected)
                << "round " << round << (direction == SearchDirection::kForward ? " fwd" : " bwd");
        }
        // FindFirst and FindLast over the whole array: the first hit of each way.
        const auto all = NaiveHits(pattern, bytes, 0, size, SearchDirection::kForward);
        const auto back = NaiveHits(pattern, bytes, 0, size, SearchDirection::kBackward);
        ASSERT_EQ(searcher.FindFirst(bytes), all.empty() ? kNotFound : all.front()) << round;
        ASSERT_EQ(searcher.FindLast(bytes), back.empty() ? kNotFound : back.front()) << round;
    }
}

TEST(SearcherTest, HitsAtBothEndsOfLongArraysAndOverlaps) {
    Bytes bytes(1000, 0x11);
    const SearchPattern exact = SearchPattern::Exact(Bytes{0x22, 0x11, 0x33});
    bytes[0] = 0x22, bytes[2] = 0x33;
    bytes[997] = 0x22, bytes[999] = 0x33;
    const Searcher searcher(exact);
    EXPECT_EQ(searcher.FindFirst(bytes), 0);
    EXPECT_EQ(searcher.FindLast(bytes), 997);
    EXPECT_EQ(AllHits(HitIterator(searcher, bytes, 1, 1000, SearchDirection::kForward)),
              (std::vector<Offset>{997}));
    EXPECT_EQ(AllHits(HitIterator(searcher, bytes, 0, 999, SearchDirection::kBackward)),
              (std::vector<Offset>{0}));

    const Bytes zeros(7, 0);
    const Searcher pair(SearchPattern::Exact(Bytes{0, 0}));
    EXPECT_EQ(AllHits(HitIterator(pair, zeros, 0, 7, SearchDirection::kForward)),
              (std::vector<Offset>{0, 2, 4}));
    EXPECT_EQ(AllHits(HitIterator(pair, zeros, 0, 7, SearchDirection::kBackward)),
              (std::vector<Offset>{5, 3, 1}));
    // Only wildcards: every position, stepping by the pattern's length.
    SearchPattern any;
    any.Append(0, 0), any.Append(0, 0);
    EXPECT_EQ(AllHits(HitIterator(Searcher(any), zeros, 1, 7, SearchDirection::kForward)),
              (std::vector<Offset>{1, 3, 5}));
    EXPECT_EQ(Searcher(any).FindLast(zeros), 5);
    EXPECT_EQ(Searcher(SearchPattern()).FindFirst(zeros), kNotFound);
    EXPECT_EQ(
        AllHits(HitIterator(Searcher(SearchPattern()), zeros, 0, 7, SearchDirection::kForward)),
        std::vector<Offset>{});
}

// The iterator searches in slices of 4 Mi positions (forwards from the start
// of the range, backwards from its end) and asks its stop check before each;
// hits across the slice boundaries of both directions are found.
TEST(HitIteratorTest, HitsAcrossSlicesAndAStopCheck) {
    constexpr Offset kSlice = Offset{1} << 22;
    Bytes bytes(static_cast<std::size_t>(2 * kSlice + 100), 0x55);
    const Bytes word = {0xDE, 0xAD, 0xBE, 0xEF};
    const std::vector<Offset> planted = {
        0, 95, kSlice - 2, kSlice + 95, 2 * kSlice - 1, 2 * kSlice + 96};
    for (const Offset at : planted)
        std::copy(word.begin(), word.end(), bytes.begin() + at);
    const auto size = static_cast<Offset>(bytes.size());
    const SearchPattern exact = SearchPattern::Exact(word);
    for (const SearchPattern& pattern : {exact, *ParseHexPattern("DE??BE?F")}) {
        const Searcher searcher(pattern);
        EXPECT_EQ(AllHits(HitIterator(searcher, bytes, 0, size, SearchDirection::kForward)),
                  planted);
        EXPECT_EQ(AllHits(HitIterator(searcher, bytes, 0, size, SearchDirection::kBackward)),
                  std::vector<Offset>(planted.rbegin(), planted.rend()));
    }

    bool stop = false;
    int asked = 0;
    const Searcher searcher(exact);
    HitIterator iterator(searcher, bytes, 0, size, SearchDirection::kForward, [&] {
        ++asked;
        return stop;
    });
    EXPECT_EQ(iterator.Next(), 0);
    EXPECT_EQ(iterator.Next(), 95);
    EXPECT_EQ(iterator.Next(), kSlice - 2);
    stop = true;
    EXPECT_EQ(iterator.Next(), kSearchStopped);
    stop = false;
    EXPECT_EQ(iterator.Next(), kSlice + 95);  // a stop loses nothing
    EXPECT_GE(asked, 5);
}

}  // namespace
}  // namespace orvel
