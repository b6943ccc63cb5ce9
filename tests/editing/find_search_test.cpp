#include "editing/find_search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "editing/find_pattern.h"
#include "support/temp_dir.h"

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

std::string RunCli(const std::string& arguments) {
    const std::string command = std::string(ORVEL_CLI_PATH) + " " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char chunk[4096];
    for (std::size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output.append(chunk, got);
    output += "exit " + std::to_string(pclose(pipe) / 256);
    return output;
}

TEST(FindVerbTest, ListsTheFindNextOffsetsAcrossReadWindows) {
    const test::TempDir dir;
    // Occurrences straddle the 1 MiB windows the verb reads in.
    Bytes bytes((1 << 21) + 10, 0);
    for (const Offset at :
         {Offset{5}, Offset{0xFFFFD}, Offset{0x100001}, Offset{0x1FFFFD}, Offset{(1 << 21) + 6}}) {
        bytes[at] = 0xDE, bytes[at + 1] = 0xAD, bytes[at + 2] = 0xBE, bytes[at + 3] = 0xEF;
    }
    const std::string path = dir.File("data.bin");
    test::WriteFileBytes(path, bytes);
    EXPECT_EQ(RunCli("find " + path + " DEADBEEF"), "5\nFFFFD\n100001\n1FFFFD\n200006\nexit 0");
    EXPECT_EQ(RunCli("find " + path + " deadbeef 100000"), "100001\n1FFFFD\n200006\nexit 0");
    EXPECT_EQ(RunCli("find " + path + " DEADBEEF 100002"), "1FFFFD\n200006\nexit 0");

    test::WriteFileBytes(path, {0x41, 0x42, 0x41, 0x42, 0x41});
    EXPECT_EQ(RunCli("find " + path + " 41"), "0\n2\n4\nexit 0");
    EXPECT_EQ(RunCli("find " + path + " 0000"), "exit 0");
    test::WriteFileBytes(path, Bytes(5, 0));
    EXPECT_EQ(RunCli("find " + path + " 0000"), "0\n2\nexit 0");
    EXPECT_EQ(RunCli("find " + path + " 000 3"), "3\nexit 0");
}

TEST(FindVerbTest, RejectsBadArguments) {
    const test::TempDir dir;
    EXPECT_NE(RunCli("find " + dir.File("missing") + " 41").find("exit 1"), std::string::npos);
    EXPECT_NE(RunCli("find x 4G").find("exit 2"), std::string::npos);
    EXPECT_NE(RunCli("find x 123456789").find("exit 2"), std::string::npos);
    EXPECT_NE(RunCli("find x 41 12X").find("exit 2"), std::string::npos);
}

}  // namespace
}  // namespace orvel
