#include "marking/mark_patterns.h"

#include <gtest/gtest.h>

#include <random>

#include "editing/find_pattern.h"
#include "marking/run_log.h"

namespace orvel {
namespace {

using test::Bytes;
using test::Painted;
using ByteVector = std::vector<std::uint8_t>;

constexpr PatternColors kColors{MarkColor::kRed, MarkColor::kGreen, MarkColor::kBlue};
constexpr int H = static_cast<int>(MarkColor::kRed);
constexpr int B = static_cast<int>(MarkColor::kGreen);
constexpr int T = static_cast<int>(MarkColor::kBlue);
constexpr int _ = test::kUnpainted;

ByteVector Value(std::string_view text) {
    const BytePattern p = ParseFindPattern(text);
    return {p.view().begin(), p.view().end()};
}

// Runs one scan type on `bytes` and returns the colour of every byte.
std::vector<int> Scan(int type, const ByteVector& bytes, Offset start, Offset end,
                      std::string_view header, Offset count, std::string_view tail) {
    test::RunLog log;
    const ByteVector h = Value(header);
    const ByteVector t = Value(tail);
    bool done = false;
    if (type == 1)
        done = MarkPatternType1(bytes, start, end, h, t, kColors, log.Sink(), {});
    if (type == 2)
        done = MarkPatternType2(bytes, start, end, h, count, t, kColors, log.Sink(), {});
    if (type == 3)
        done = MarkPatternType3(bytes, start, end, h, count, kColors, log.Sink(), {});
    EXPECT_TRUE(done);
    EXPECT_TRUE(log.ordered);
    return Painted(log.runs, bytes.size());
}

std::vector<int> Whole(int type, const ByteVector& bytes, std::string_view header, Offset count,
                       std::string_view tail) {
    return Scan(type, bytes, 0, static_cast<Offset>(bytes.size()) - 1, header, count, tail);
}

TEST(MarkPatternType1Test, HeaderBodyTail) {
    const struct {
        ByteVector bytes;
        std::string_view header, tail;
        std::vector<int> colors;
    } rows[] = {
        {Bytes({0x4D, 0, 0, 0x5A}), "4D", "5A", {H, B, B, T}},
        {Bytes({0x4D, 0x5A, 0x4D, 0x5A}), "4D", "5A", {H, T, H, T}},
        {Bytes({0x4D, 0x11, 0x5A, 0x22, 0x5A}), "4D", "5A", {H, B, T, _, _}},
        // No tail after the second header: it stays unpainted.
        {Bytes({0x4D, 0x5A, 0x4D, 0x11}), "4D", "5A", {H, T, _, _}},
        // Headers in the body are body bytes.
        {Bytes({0x4D, 0x4D, 0x5A}), "4D", "5A", {H, B, T}},
        // One byte before the end, a two-byte tail has no room.
        {Bytes({0, 0x4D, 0x5A}), "4D", "5A00", {_, _, _}},
        {Bytes({0x12, 0x34, 0x56, 0x78, 0, 0x0A, 0xBC}), "12345678", "ABC", {H, H, H, H, B, T, T}},
        {Bytes({0x4D, 0x5A}), "", "5A", {_, _}},
        {Bytes({0x4D, 0x5A}), "4D", "", {_, _}},
        // The header's own last byte is not a tail.
        {Bytes({0x4D, 0x4D}), "4D4D", "4D", {_, _}},
        {Bytes({0x4D, 0x4D, 0x4D}), "4D", "4D", {H, T, _}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Whole(1, row.bytes, row.header, 0, row.tail), row.colors)
            << row.header << " " << row.tail;
    }
}

TEST(MarkPatternType2Test, HeaderFixedBodyTail) {
    const struct {
        ByteVector bytes;
        Offset count;
        std::vector<int> colors;
    } rows[] = {
        {Bytes({0xAA, 1, 2, 0xBB}), 2, {H, B, B, T}},
        {Bytes({0xAA, 1, 0xBB}), 2, {_, _, _}},
        {Bytes({0xAA, 1, 2, 0xCC, 0xAA, 3, 4, 0xBB}), 2, {_, _, _, _, H, B, B, T}},
        {Bytes({0xAA, 0xBB, 0xAA, 0xBB}), 0, {H, T, H, T}},
        // A failed candidate moves one byte on; the body may hold a header.
        {Bytes({0xAA, 0xAA, 1, 2, 0xBB}), 2, {_, H, B, B, T}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Whole(2, row.bytes, "AA", row.count, "BB"), row.colors);
}

TEST(MarkPatternType3Test, HeaderTailBytesAndTheByteFollowing) {
    const struct {
        ByteVector bytes;
        Offset start, end, count;
        std::vector<int> colors;
    } rows[] = {
        {Bytes({0x7E, 1, 2, 3, 4}), 0, 4, 3, {H, B, B, B, T}},
        // The following byte is the last byte of the block.
        {Bytes({0x7E, 1, 2, 3, 4, 5}), 0, 4, 3, {H, B, B, B, T, _}},
        // The block ends inside the tail.
        {Bytes({0x7E, 1, 2, 3, 4}), 0, 1, 3, {H, B, _, _, _}},
        // Header on the last byte of the block.
        {Bytes({0, 0x7E, 1}), 0, 1, 3, {_, H, _}},
        {Bytes({0x7E, 1, 2}), 0, 2, 0, {H, T, _}},
        // The following byte starts the next pattern.
        {Bytes({0x7E, 1, 0x7E, 2, 3}), 0, 4, 1, {H, B, H, B, T}},
        // Headers inside a cut tail are headers.
        {Bytes({0x7E, 1, 0x7E, 2}), 0, 3, 5, {H, B, H, B}},
        {Bytes({0x7E, 0x7E, 0x7E, 2}), 0, 3, 5, {H, H, H, B}},
        // Start above end: only the byte at end is in the block.
        {Bytes({0x7E, 0x7E, 1}), 2, 1, 0, {_, H, _}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Scan(3, row.bytes, row.start, row.end, "7E", row.count, ""), row.colors)
            << row.count << " " << row.end;
    }
    EXPECT_EQ(Whole(3, Bytes({0x7E, 1}), "", 1, ""), (std::vector<int>{_, _}));
}

// The scans exactly as the marking worker would run them, byte by byte with
// the quadratic tail search, painting over earlier colours.
std::vector<int> Reference(int type, const ByteVector& bytes, Offset start, Offset end,
                           const ByteVector& h, Offset count, const ByteVector& t) {
    std::vector<int> colors(bytes.size(), _);
    if (h.empty() || (type != 3 && t.empty()))
        return colors;
    const auto d = static_cast<Offset>(h.size());
    const auto m = static_cast<Offset>(t.size());
    const Offset s = std::min(start, end);
    const Offset e = std::min(end, static_cast<Offset>(bytes.size()) - 1);
    auto at = [&](Offset p, const ByteVector& v) {
        return std::equal(v.begin(), v.end(), bytes.begin() + p);
    };
    auto paint = [&](Offset a, Offset b, int c) {
        for (Offset i = a; i <= b; ++i)
            colors[i] = c;
    };
    Offset p = s;
    while (p + d - 1 <= e) {
        if (!at(p, h)) {
            ++p;
            continue;
        }
        if (type == 1) {
            Offset tail = -1;
            for (Offset q = p + d; q + m - 1 <= e && tail < 0; ++q) {
                if (at(q, t))
                    tail = q;
            }
            if (tail < 0) {
                ++p;
                continue;
            }
            paint(p, p + d - 1, H), paint(p + d, tail - 1, B), paint(tail, tail + m - 1, T);
            p = tail + m;
        } else if (type == 2) {
            if (p + d + count + m - 1 <= e && at(p + d + count, t)) {
                paint(p, p + d - 1, H), paint(p + d, p + d + count - 1, B);
                paint(p + d + count, p + d + count + m - 1, T);
                p += d + count + m;
            } else {
                ++p;
            }
        } else {
            paint(p, p + d - 1, H);
            const Offset u = p + d;
            const Offset x = u + count;
            if (x <= e) {
                paint(u, x - 1, B), paint(x, x, T);
                p = x;
            } else {
                paint(u, e, B);
                ++p;
            }
        }
    }
    return colors;
}

TEST(MarkPatternsTest, AgreeWithTheByteByByteScansOnRandomData) {
    std::mt19937 random(4242);
    auto randomValue = [&](int alphabet) {
        ByteVector v(1 + random() % 4);
        for (auto& b : v)
            b = static_cast<std::uint8_t>(random() % alphabet);
        return v;
    };
    for (int round = 0; round < 3000; ++round) {
        const int type = 1 + round % 3;
        const int alphabet = 2 + (round / 3) % 3;
        ByteVector bytes(1 + random() % 80);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % alphabet);
        const auto size = static_cast<Offset>(bytes.size());
        const Offset start = random() % size;
        // Ends below the start, on the last byte, or short of it.
        const Offset end = random() % 8 == 0
                               ? static_cast<Offset>(random() % size)
                               : std::max<Offset>(0, size - 1 - static_cast<Offset>(random() % 4));
        const ByteVector h = randomValue(alphabet);
        const ByteVector t = randomValue(alphabet);
        const Offset count = random() % 6;

        test::RunLog log;
        bool done = false;
        if (type == 1)
            done = MarkPatternType1(bytes, start, end, h, t, kColors, log.Sink(), {});
        if (type == 2) {
            done = MarkPatternType2(bytes, start, end, h, count, t, kColors, log.Sink(), {});
        }
        if (type == 3)
            done = MarkPatternType3(bytes, start, end, h, count, kColors, log.Sink(), {});
        ASSERT_TRUE(done);
        ASSERT_TRUE(log.ordered) << "round " << round;
        ASSERT_EQ(Painted(log.runs, bytes.size()), Reference(type, bytes, start, end, h, count, t))
            << "round " << round << " type " << type;
    }
}

TEST(MarkPatternsTest, StopEndsEveryType) {
    const ByteVector bytes(1 << 16, 0x4D);
    const ByteVector h = Bytes({0x4D});
    const ByteVector t = Bytes({0x5A});
    const StopCheck stop = [] { return true; };
    test::RunLog log;
    EXPECT_FALSE(MarkPatternType1(bytes, 0, 0xFFFF, h, t, kColors, log.Sink(), stop));
    EXPECT_FALSE(MarkPatternType2(bytes, 0, 0xFFFF, h, 1, h, kColors, log.Sink(), stop));
    EXPECT_FALSE(MarkPatternType3(bytes, 0, 0xFFFF, h, 1, kColors, log.Sink(), stop));
    EXPECT_TRUE(log.runs.empty());
}

}  // namespace
}  // namespace orvel
