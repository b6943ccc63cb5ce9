#include "search/find_search.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editing/find_pattern.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every offset repeated Find Next selects from `start`.
std::vector<Offset> StepAll(const Bytes& bytes, std::string_view text, Offset start) {
    const BytePattern pattern = ParseFindPattern(text);
    std::vector<Offset> found;
    Offset next = start;
    for (Offset at; (at = FindNext(bytes, pattern.view(), next)) != kNotFound;) {
        found.push_back(at);
    }
    return found;
}

Offset NaiveFind(const Bytes& bytes, const Bytes& pattern, Offset from) {
    const auto n = static_cast<Offset>(pattern.size());
    for (Offset i = from; i + n <= static_cast<Offset>(bytes.size()); ++i) {
        if (std::equal(pattern.begin(), pattern.end(), bytes.begin() + i))
            return i;
    }
    return kNotFound;
}

TEST(FindNextTest, StepsWithoutOverlapAndKeepsStartWhenNothingMore) {
    const Bytes bytes = {0x41, 0x42, 0x41, 0x42, 0x41};
    Offset next = 0;
    EXPECT_EQ(FindNext(bytes, ParseFindPattern("41").view(), next), 0);
    EXPECT_EQ(next, 1);
    EXPECT_EQ(FindNext(bytes, ParseFindPattern("41").view(), next), 2);
    EXPECT_EQ(FindNext(bytes, ParseFindPattern("41").view(), next), 4);
    EXPECT_EQ(next, 5);
    EXPECT_EQ(FindNext(bytes, ParseFindPattern("41").view(), next), kNotFound);
    EXPECT_EQ(next, 5);

    EXPECT_EQ(StepAll(bytes, "4142", 0), (std::vector<Offset>{0, 2}));
    EXPECT_EQ(StepAll({0, 0, 0, 0}, "0000", 0), (std::vector<Offset>{0, 2}));
    EXPECT_EQ(StepAll({0x0A, 0xBC, 0x01}, "ABC", 0), (std::vector<Offset>{0}));
    EXPECT_EQ(StepAll({0x0A, 0xBC, 0x01}, "1", 0), (std::vector<Offset>{2}));
}

TEST(FindBytesTest, StartAtOrPastTheLastFittingPositionFindsNothing) {
    const Bytes bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    for (std::size_t n = 1; n <= 4; ++n) {
        const Bytes tail(bytes.end() - static_cast<std::ptrdiff_t>(n), bytes.end());
        const auto last = static_cast<Offset>(bytes.size() - n);
        EXPECT_EQ(FindBytes(bytes, tail, last), last) << n;  // ends on the last byte
        EXPECT_EQ(FindBytes(bytes, tail, last + 1), kNotFound) << n;
        EXPECT_EQ(FindBytes(bytes, tail, 0xFFFFFFFF), kNotFound) << n;
    }
    EXPECT_EQ(FindBytes(bytes, {}, 0), kNotFound);
    EXPECT_EQ(FindBytes({}, Bytes{1}, 0), kNotFound);
    EXPECT_EQ(FindBytes(Bytes{1, 2}, Bytes{1, 2, 3}, 0), kNotFound);
}

// The vector loops work on 16, 32 and 64 positions at a time; random data with
// a small alphabet puts candidates and finds on every lane and every boundary.
TEST(FindBytesTest, AgreesWithAPlainLoopOnRandomData) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        const int alphabet = round % 3 == 0 ? 2 : round % 3 == 1 ? 4 : 256;
        Bytes bytes(random() % 300);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % alphabet);
        Bytes pattern(1 + random() % 4);
        for (auto& b : pattern)
            b = static_cast<std::uint8_t>(random() % alphabet);
        for (Offset from = 0; from <= static_cast<Offset>(bytes.size()); from += 1 + from / 8) {
            ASSERT_EQ(FindBytes(bytes, pattern, from), NaiveFind(bytes, pattern, from))
                << "round " << round << " from " << from;
        }
    }
}

TEST(FindBytesTest, FindsTheLastPositionOfALongBuffer) {
    Bytes bytes(100000, 0x11);
    for (std::size_t n = 2; n <= 4; ++n) {
        Bytes pattern(n, 0x11);
        pattern.back() = 0x22;
        bytes.back() = 0x22;
        EXPECT_EQ(FindBytes(bytes, pattern, 0), static_cast<Offset>(bytes.size() - n)) << n;
        pattern.front() = 0x33;
        EXPECT_EQ(FindBytes(bytes, pattern, 0), kNotFound) << n;
    }
}

}  // namespace
}  // namespace orvel
