#include "compare/input_compare.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/temp_dir.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Seen {
    Bytes first;
    Bytes second;
    Offset differences = 0;
    Offset blocks = 0;
};

// The blocks hand over both files whole and in order, from any start on,
// with the differences of the common part counted block by block.
TEST(InputCompareTest, BlocksCoverBothFilesInOrder) {
    const test::TempDir dir;
    std::mt19937 random(12);
    constexpr auto kBlock = static_cast<std::size_t>(kInputCompareBlock);
    const std::pair<std::size_t, std::size_t> sizes[] = {{0, 0},
                                                         {0, 5},
                                                         {kBlock, kBlock},
                                                         {3 * kBlock + 7, kBlock - 1},
                                                         {2 * kBlock, 4 * kBlock + 1}};
    for (const auto& [size1, size2] : sizes) {
        Bytes a(size1);
        Bytes b(size2);
        for (auto& x : a)
            x = static_cast<std::uint8_t>(random() % 2);
        for (auto& x : b)
            x = static_cast<std::uint8_t>(random() % 2);
        Offset expected = 0;
        for (std::size_t k = 0; k < std::min(size1, size2); ++k)
            expected += a[k] != b[k];
        test::WriteFileBytes(dir.File("a"), a);
        test::WriteFileBytes(dir.File("b"), b);
        for (const int threads : {1, 3}) {
            for (const Offset from : {Offset{0}, kInputCompareBlock}) {
                InputReader files[2];
                FileError error;
                ASSERT_TRUE(files[0].Open(dir.File("a"), error) &&
                            files[1].Open(dir.File("b"), error));
                Seen seen;
                const auto sink = [&](const ComparedBlock& block) {
                    EXPECT_EQ(block.offset, from + seen.blocks * kInputCompareBlock);
                    seen.first.insert(seen.first.end(), block.first.begin(), block.first.end());
                    seen.second.insert(seen.second.end(), block.second.begin(), block.second.end());
                    seen.differences += block.differences;
                    ++seen.blocks;
                    return true;
                };
                ASSERT_TRUE(CompareInputs(files[0], files[1], from, {}, sink, error, threads));
                const auto skip = [from](const Bytes& bytes) {
                    return Bytes(bytes.begin() + std::min<std::size_t>(from, bytes.size()),
                                 bytes.end());
                };
                EXPECT_EQ(seen.first, skip(a)) << size1 << " " << size2;
                EXPECT_EQ(seen.second, skip(b)) << size1 << " " << size2;
                if (from == 0) {
                    EXPECT_EQ(seen.differences, expected) << size1 << " " << size2;
                }
            }
        }
    }
}

// The caller's own comparison runs on the workers, and its count and text
// reach the sink with the block; a sink that says stop ends the comparison.
TEST(InputCompareTest, TheWorksTextComesWithItsBlockAndTheSinkEndsTheComparison) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.File("a"), Bytes(10 * kInputCompareBlock, 1));
    InputReader files[2];
    FileError error;
    ASSERT_TRUE(files[0].Open(dir.File("a"), error) && files[1].Open(dir.File("a"), error));
    const auto work = [](const ComparedBlock& block, std::string& text) {
        text = std::to_string(block.offset);
        return Offset{7};
    };
    int calls = 0;
    const auto sink = [&calls](const ComparedBlock& block) {
        EXPECT_EQ(block.text, std::to_string(block.offset));
        EXPECT_EQ(block.differences, 7);
        return ++calls < 4;
    };
    EXPECT_FALSE(CompareInputs(files[0], files[1], 0, work, sink, error, 2));
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(error.code, 0);
}

}  // namespace
}  // namespace orvel
