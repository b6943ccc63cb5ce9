#include "compare/file_block_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>

#include "support/temp_dir.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

FileBlockReader OpenReader(const std::string& path, Offset size) {
    return FileBlockReader(UniqueFd(open(path.c_str(), O_RDONLY)), size);
}

// Blocks at forward steps of every size, small and beyond the buffer, and one
// step back, against the file's bytes.
TEST(FileBlockReaderTest, HandsOutTheBytesAskedFor) {
    test::TempDir dir;
    std::mt19937 rng(41);
    Bytes bytes(5 << 20);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(rng());
    test::WriteFileBytes(dir.File("f"), bytes);
    FileBlockReader reader = OpenReader(dir.File("f"), static_cast<Offset>(bytes.size()));
    EXPECT_EQ(reader.size(), static_cast<Offset>(bytes.size()));
    const auto size = static_cast<Offset>(bytes.size());
    Offset pos = 0;
    for (int k = 0; k < 400; ++k) {
        const Offset length = k % 50 == 0 ? 3 << 20 : static_cast<Offset>(rng() % 70000);
        std::span<const std::uint8_t> out;
        ASSERT_TRUE(reader.Read(pos, length, out));
        ASSERT_EQ(static_cast<Offset>(out.size()), std::min(length, size - pos));
        ASSERT_TRUE(
            std::equal(out.begin(), out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(pos)))
            << "at " << pos;
        pos = k == 200 ? pos / 2 : std::min(size, pos + static_cast<Offset>(rng() % 40000));
    }
}

TEST(FileBlockReaderTest, AFileThatShrankIsAReadFailure) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("f"), Bytes(100000, 7));
    FileBlockReader reader = OpenReader(dir.File("f"), 100000);
    std::span<const std::uint8_t> out;
    ASSERT_TRUE(reader.Read(0, 10, out));
    ASSERT_EQ(truncate(dir.File("f").c_str(), 50000), 0);
    // The first read buffered the whole file; one past it has to read again.
    EXPECT_TRUE(reader.Read(90000, 10000, out));
    FileBlockReader late = OpenReader(dir.File("f"), 100000);
    EXPECT_FALSE(late.Read(40000, 20000, out));
    EXPECT_EQ(late.error().text, "The file became shorter while it was being read.");
    EXPECT_TRUE(late.Read(0, 50000, out));
}

}  // namespace
}  // namespace orvel
