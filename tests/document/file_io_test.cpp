#include "document/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 1);
    return bytes;
}

ByteBuffer BufferOf(const std::vector<std::uint8_t>& bytes) {
    return ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size()));
}

TEST(FileIoTest, LoadAndSaveRoundTrip) {
    TempDir dir;
    for (std::size_t size : {0u, 1u, 17u, 5000000u}) {
        const auto bytes = Pattern(size);
        WriteFileBytes(dir.File("in"), bytes);
        ByteBuffer loaded;
        FileError error;
        ASSERT_TRUE(LoadFile(dir.File("in"), loaded, error)) << error.text;
        ASSERT_EQ(loaded.size(), static_cast<Offset>(size));
        ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), loaded.data()));
        ASSERT_TRUE(SaveFile(dir.File("out"), loaded, error)) << error.text;
        ASSERT_EQ(ReadFileBytes(dir.File("out")), bytes);
    }
}

TEST(FileIoTest, LoadFailuresCarryTheSystemText) {
    TempDir dir;
    ByteBuffer loaded;
    FileError error;
    EXPECT_FALSE(LoadFile(dir.File("missing"), loaded, error));
    EXPECT_EQ(error.code, ENOENT);
    EXPECT_EQ(error.text, SystemErrorText(ENOENT));
    EXPECT_FALSE(LoadFile(dir.path().string(), loaded, error));
    EXPECT_EQ(error.code, EISDIR);
}

// A sparse file one byte over the limit is refused before anything is read.
TEST(FileIoTest, RefusesFilesLargerThanTheAddressFieldsReach) {
    TempDir dir;
    const std::string path = dir.File("huge");
    WriteFileBytes(path, {});
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(kMaxFileSize) + 1);
    ByteBuffer loaded;
    FileError error;
    EXPECT_FALSE(LoadFile(path, loaded, error));
    EXPECT_EQ(error.code, EFBIG);
    EXPECT_EQ(error.text, "The file is larger than 0xFFFFFFFF bytes, the most that can be opened.");
    EXPECT_TRUE(loaded.empty());
}

TEST(FileIoTest, LoadsFilesOfUnknownSize) {
    ByteBuffer loaded;
    FileError error;
    ASSERT_TRUE(LoadFile("/proc/self/status", loaded, error)) << error.text;
    EXPECT_GT(loaded.size(), 0);
}

TEST(FileIoTest, SaveKeepsPermissionsAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string target = dir.File("target");
    WriteFileBytes(target, Pattern(10));
    chmod(target.c_str(), 0640);
    FileError error;
    ASSERT_TRUE(SaveFile(target, BufferOf(Pattern(3)), error));
    struct stat st {};
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(FileIoTest, SaveThroughSymbolicLinkReplacesItsTarget) {
    TempDir dir;
    WriteFileBytes(dir.File("real"), Pattern(5));
    std::filesystem::create_symlink(dir.File("real"), dir.File("link"));
    FileError error;
    ASSERT_TRUE(SaveFile(dir.File("link"), BufferOf(Pattern(2)), error));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
    EXPECT_EQ(ReadFileBytes(dir.File("real")), Pattern(2));
}

TEST(FileIoTest, FailedSaveIntoMissingFolderReportsTheCause) {
    TempDir dir;
    WriteFileBytes(dir.File("file"), Pattern(4));
    FileError error;
    EXPECT_FALSE(SaveFile(dir.File("file") + "/target", BufferOf(Pattern(3)), error));
    EXPECT_EQ(error.code, ENOTDIR);
    EXPECT_FALSE(error.text.empty());
}

// A write that fails half-way (the file-size limit of the process is reached)
// leaves the old file byte-identical and no temporary file behind. Runs in a
// child process so that the limit does not touch the test runner.
TEST(FileIoTest, FailedWriteLeavesTheOldFileIntact) {
    TempDir dir;
    const std::string target = dir.File("target");
    const auto original = Pattern(100);
    WriteFileBytes(target, original);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{50000, 50000};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileError error;
        const bool saved = SaveFile(target, BufferOf(Pattern(200000)), error);
        _exit(!saved && error.code == EFBIG ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(target), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace orvel
