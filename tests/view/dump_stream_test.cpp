// The streamed dump text is the dump text, whatever the number of threads,
// the kind of input and where the input ends against the blocks.
#include "view/dump_stream.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "support/special_files.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kBlock = std::size_t{1} << 18;  // the bytes of one block of lines

std::string DumpTextOf(const Bytes& bytes) {
    const ByteBuffer buffer(bytes.data(), static_cast<Offset>(bytes.size()));
    const DumpText text(buffer);
    return text.Text(0, text.Length());
}

std::string Streamed(const std::string& path, int threads) {
    InputReader in;
    FileError error;
    EXPECT_TRUE(in.Open(path, error)) << error.text;
    std::string text;
    const bool ok = WriteDumpStream(
        in,
        [&text](const char* data, std::size_t size) {
            text.append(data, size);
            return true;
        },
        error, threads);
    EXPECT_TRUE(ok) << error.text;
    return text;
}

// Blocks ending on every kind of line, and a last line of blanks (trimmed)
// that ends a block, so it is known to be the last only afterwards.
TEST(DumpStreamTest, SameTextAsTheDumpTextForFilesAndPipes) {
    const test::TempDir dir;
    std::mt19937 random(17);
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{16}, kBlock - 1,
                                   kBlock, kBlock + 1, 3 * kBlock + 17}) {
        Bytes bytes(size);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        for (std::size_t k = size - std::min<std::size_t>(size, 20); k < size; ++k)
            bytes[k] = ' ';
        test::WriteFileBytes(dir.File("in"), bytes);
        const std::string expected = DumpTextOf(bytes);
        for (const int threads : {1, 2, 5}) {
            ASSERT_EQ(Streamed(dir.File("in"), threads), expected) << size << " " << threads;
        }
        const test::PipeFeeder pipe(bytes);
        ASSERT_EQ(Streamed(pipe.path(), 2), expected) << size << " through a pipe";
    }
}

TEST(DumpStreamTest, AFileTooLargeIsRefusedBeforeAnything) {
    const test::TempDir dir;
    const std::string path = dir.File("sparse");
    {
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, kMaxFileSize + 1), 0);
        close(fd);
    }
    InputReader in;
    FileError error;
    ASSERT_TRUE(in.Open(path, error));
    bool called = false;
    EXPECT_FALSE(WriteDumpStream(
        in, [&called](const char*, std::size_t) { return called = true; }, error));
    EXPECT_FALSE(called);
    EXPECT_EQ(error.code, EFBIG);
    EXPECT_EQ(error.text, "The file is larger than 0xFFFFFFFF bytes, the most that can be opened.");
}

TEST(DumpStreamTest, ASinkThatFailsEndsTheRunAtOnce) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.File("in"), Bytes(20 * kBlock, 0x41));
    InputReader in;
    FileError error;
    ASSERT_TRUE(in.Open(dir.File("in"), error));
    int calls = 0;
    EXPECT_FALSE(WriteDumpStream(
        in, [&calls](const char*, std::size_t) { return ++calls < 2; }, error, 3));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(error.code, 0);
}

}  // namespace
}  // namespace orvel
