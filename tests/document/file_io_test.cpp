#include "document/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "support/child_process.h"
#include "support/special_files.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::ChildEnd;
using test::PatternBytes;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

ByteBuffer BufferOf(const std::vector<std::uint8_t>& bytes) {
    return ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size()));
}

TEST(FileIoTest, LoadAndSaveRoundTrip) {
    TempDir dir;
    for (std::size_t size : {0u, 1u, 17u, 5000000u}) {
        const auto bytes = PatternBytes(size);
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

// The windows read regular files only. A FIFO is refused before it could
// block the caller until some writer comes (a child process, so that a
// blocking open fails the test instead of hanging it); the other kinds are
// refused with their names.
TEST(FileIoTest, ReadsOnlyRegularFilesUnlessStreamsAreAllowed) {
    TempDir dir;
    ASSERT_TRUE(test::MakeFifo(dir.File("fifo")));
    ASSERT_TRUE(test::MakeSocket(dir.File("socket")));
    std::filesystem::create_symlink("/dev/null", dir.File("null"));
    const ChildEnd fifo = test::RunInChild(
        [&] {
            ByteBuffer loaded;
            FileError error;
            const bool refused =
                !LoadFile(dir.File("fifo"), loaded, error) &&
                error.text == "The file is a named pipe (FIFO), not a regular file.";
            return refused ? 0 : 1;
        },
        30);
    EXPECT_TRUE(fifo.exited && fifo.status == 0) << "signal " << fifo.signal;
    struct Row {
        std::string path;
        int code;
        const char* text;
    };
    const Row rows[] = {
        {dir.File("socket"), EINVAL, "The file is a socket, not a regular file."},
        {dir.File("null"), EINVAL, "The file is a character device, not a regular file."},
        {dir.path().string(), EISDIR, "The file is a directory, not a regular file."},
    };
    for (const Row& row : rows) {
        ByteBuffer loaded;
        FileError error;
        EXPECT_FALSE(LoadFile(row.path, loaded, error)) << row.path;
        EXPECT_EQ(error.code, row.code);
        EXPECT_EQ(error.text, row.text);
    }
    // orvel-cli reads devices and pipes as streams, but never a folder.
    ByteBuffer loaded;
    FileError error;
    EXPECT_TRUE(LoadFile(dir.File("null"), loaded, error, FileKinds::kAlsoStreams));
    EXPECT_FALSE(LoadFile(dir.path().string(), loaded, error, FileKinds::kAlsoStreams));
    EXPECT_EQ(error.code, EISDIR);
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
    WriteFileBytes(target, PatternBytes(10));
    chmod(target.c_str(), 0640);
    FileError error;
    ASSERT_TRUE(SaveFile(target, BufferOf(PatternBytes(3)), error));
    struct stat st {};
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(FileIoTest, SaveThroughSymbolicLinkReplacesItsTarget) {
    TempDir dir;
    WriteFileBytes(dir.File("real"), PatternBytes(5));
    std::filesystem::create_symlink(dir.File("real"), dir.File("link"));
    FileError error;
    ASSERT_TRUE(SaveFile(dir.File("link"), BufferOf(PatternBytes(2)), error));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
    EXPECT_EQ(ReadFileBytes(dir.File("real")), PatternBytes(2));
}

TEST(FileIoTest, FailedSaveIntoMissingFolderReportsTheCause) {
    TempDir dir;
    WriteFileBytes(dir.File("file"), PatternBytes(4));
    FileError error;
    EXPECT_FALSE(SaveFile(dir.File("file") + "/target", BufferOf(PatternBytes(3)), error));
    EXPECT_EQ(error.code, ENOTDIR);
    EXPECT_FALSE(error.text.empty());
}

// A write that fails half-way (the file-size limit of the process is reached)
// leaves the old file byte-identical and no temporary file behind. Runs in a
// child process so that the limit does not touch the test runner.
TEST(FileIoTest, FailedWriteLeavesTheOldFileIntact) {
    TempDir dir;
    const std::string target = dir.File("target");
    const auto original = PatternBytes(100);
    WriteFileBytes(target, original);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{50000, 50000};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileError error;
        const bool saved = SaveFile(target, BufferOf(PatternBytes(200000)), error);
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

// Loading and saving tell their progress piece by piece, up to the whole
// size; a progress that gives up ends them with ECANCELED, a load with nothing
// read and a save with the file on disk as it was and nothing left beside it.
TEST(FileIoTest, ProgressGrowsToTheWholeSizeAndMayGiveUp) {
    TempDir dir;
    const auto bytes = PatternBytes(20000000);  // several pieces
    WriteFileBytes(dir.File("in"), bytes);
    std::vector<std::pair<Offset, Offset>> seen;
    const ProgressSink record = [&seen](Offset done, Offset total) {
        seen.emplace_back(done, total);
        return true;
    };
    ByteBuffer loaded;
    FileError error;
    ASSERT_TRUE(LoadFile(dir.File("in"), loaded, error, FileKinds::kRegularOnly, nullptr, record));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), (std::pair<Offset, Offset>{20000000, 20000000}));
    seen.clear();
    ASSERT_TRUE(SaveFile(dir.File("out"), loaded, error, FileKinds::kRegularOnly, nullptr, record));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), (std::pair<Offset, Offset>{20000000, 20000000}));

    int calls = 0;
    const ProgressSink giveUpSecond = [&calls](Offset, Offset) { return ++calls < 2; };
    ByteBuffer stopped;
    EXPECT_FALSE(
        LoadFile(dir.File("in"), stopped, error, FileKinds::kRegularOnly, nullptr, giveUpSecond));
    EXPECT_EQ(error.code, ECANCELED);
    EXPECT_TRUE(stopped.empty());
    // Even at the very last piece, giving up keeps the old file.
    WriteFileBytes(dir.File("keep"), {1, 2, 3});
    const ProgressSink giveUpAtTheEnd = [](Offset done, Offset total) { return done < total; };
    EXPECT_FALSE(SaveFile(dir.File("keep"), loaded, error, FileKinds::kRegularOnly, nullptr,
                          giveUpAtTheEnd));
    EXPECT_EQ(error.code, ECANCELED);
    EXPECT_EQ(ReadFileBytes(dir.File("keep")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              3);
}

}  // namespace
}  // namespace orvel
