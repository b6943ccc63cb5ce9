#include "document/safe_file_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "document/file_io.h"
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
using Bytes = std::vector<std::uint8_t>;

bool Save(const std::string& path, const Bytes& bytes, FileError& error,
          FileKinds kinds = FileKinds::kRegularOnly) {
    return SaveFile(path, ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size())), error,
                    kinds);
}

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st;
}

// "." + middle + ".orvel-Ab12Cd"
std::string Hidden(const std::string& middle) {
    return std::string(".").append(middle).append(".orvel-Ab12Cd");
}

TEST(SafeFileWriterTest, TemporaryNamesStayWithinTheNameLimit) {
    struct Row {
        std::string target;
        std::size_t nameMax;
        std::string name;
    };
    const Row rows[] = {
        {"data.bin", 255, Hidden("data.bin")},
        {std::string(255, 'x'), 255, Hidden(std::string(241, 'x'))},
        // 240 + 4 bytes: the cut would fall inside the first "é"
        {std::string(240, 'x') + "\xC3\xA9\xC3\xA9", 255, Hidden(std::string(240, 'x'))},
        {std::string(239, 'x') + "\xC3\xA9\xC3\xA9", 255,
         Hidden(std::string(239, 'x') + "\xC3\xA9")},
        {"data.bin", 10, Hidden("")},
    };
    for (const Row& row : rows) {
        const std::string name = TemporaryName(row.target, row.nameMax, "Ab12Cd");
        EXPECT_EQ(name, row.name);
        EXPECT_LE(name.size(), std::max<std::size_t>(row.nameMax, 14));
    }
}

// A name of 255 bytes, the most the file system allows, is saved like any
// other and leaves nothing behind.
TEST(SafeFileWriterTest, SavesAFileWithTheLongestName) {
    TempDir dir;
    const std::string path = dir.File(std::string(255, 'n'));
    WriteFileBytes(path, PatternBytes(10));
    FileError error;
    ASSERT_TRUE(Save(path, PatternBytes(20, 5), error)) << error.text;
    EXPECT_EQ(ReadFileBytes(path), PatternBytes(20, 5));
    EXPECT_EQ(Names(dir).size(), 1u);
}

TEST(SafeFileWriterTest, KeepsOwnerAndGroupWhenRunAsRoot) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    TempDir dir;
    const std::string path = dir.File("owned");
    WriteFileBytes(path, PatternBytes(10));
    ASSERT_EQ(chown(path.c_str(), test::NobodyUser(), test::NobodyGroup()), 0);
    ASSERT_EQ(chmod(path.c_str(), 02750), 0);
    FileError error;
    ASSERT_TRUE(Save(path, PatternBytes(3), error)) << error.text;
    const struct stat st = StatOf(path);
    EXPECT_EQ(st.st_uid, test::NobodyUser());
    EXPECT_EQ(st.st_gid, test::NobodyGroup());
    EXPECT_EQ(st.st_mode & 07777, 02750u);
}

TEST(SafeFileWriterTest, KeepsExtendedAttributes) {
    TempDir dir;
    const std::string path = dir.File("labelled");
    WriteFileBytes(path, PatternBytes(10));
    if (setxattr(path.c_str(), "user.orvel.note", "kept", 4, 0) != 0)
        GTEST_SKIP() << "no user extended attributes here";
    FileError error;
    ASSERT_TRUE(Save(path, PatternBytes(3), error)) << error.text;
    char value[16] = {};
    ASSERT_EQ(getxattr(path.c_str(), "user.orvel.note", value, sizeof value), 4);
    EXPECT_EQ(std::string(value), "kept");
    EXPECT_EQ(ReadFileBytes(path), PatternBytes(3));
}

// Every name of a file with hard links sees the new bytes; the file stays
// one file, and nothing is left behind.
TEST(SafeFileWriterTest, WritesAFileWithHardLinksInPlace) {
    TempDir dir;
    const std::string path = dir.File("one");
    WriteFileBytes(path, PatternBytes(5000));
    ASSERT_EQ(link(path.c_str(), dir.File("two").c_str()), 0);
    for (const std::size_t size : {100u, 9000u}) {
        FileError error;
        ASSERT_TRUE(Save(path, PatternBytes(size, 3), error)) << error.text;
        EXPECT_EQ(ReadFileBytes(dir.File("two")), PatternBytes(size, 3));
        EXPECT_EQ(StatOf(path).st_ino, StatOf(dir.File("two")).st_ino);
        EXPECT_EQ(StatOf(path).st_nlink, 2u);
        EXPECT_EQ(Names(dir), (std::set<std::string>{"one", "two"}));
    }
}

// A symbolic link to a file that does not exist yet is saved through, also
// along a chain of links; a loop of links is refused.
TEST(SafeFileWriterTest, SavesThroughDanglingSymbolicLinks) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "sub");
    std::filesystem::create_symlink("sub/real", dir.File("link"));
    std::filesystem::create_symlink(dir.File("link"), dir.File("chain"));
    FileError error;
    ASSERT_TRUE(Save(dir.File("chain"), PatternBytes(7), error)) << error.text;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("chain")));
    EXPECT_EQ(ReadFileBytes(dir.File("sub/real")), PatternBytes(7));

    std::filesystem::create_symlink("loop2", dir.File("loop1"));
    std::filesystem::create_symlink("loop1", dir.File("loop2"));
    EXPECT_FALSE(Save(dir.File("loop1"), PatternBytes(7), error));
    EXPECT_EQ(error.code, ELOOP);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("loop1")));
}

// The windows never write anything but a regular file: a FIFO, a device, a
// socket or a folder stays what it was, and nothing is made beside it.
TEST(SafeFileWriterTest, WindowsRefuseTargetsThatAreNotRegularFiles) {
    TempDir dir;
    ASSERT_TRUE(test::MakeFifo(dir.File("fifo")));
    ASSERT_TRUE(test::MakeSocket(dir.File("socket")));
    std::filesystem::create_directory(dir.path() / "folder");
    std::filesystem::create_symlink(dir.File("fifo"), dir.File("to-fifo"));
    struct Row {
        std::string name;
        const char* text;
    };
    std::vector<Row> rows = {
        {"fifo", "The file is a named pipe (FIFO), not a regular file."},
        {"to-fifo", "The file is a named pipe (FIFO), not a regular file."},
        {"socket", "The file is a socket, not a regular file."},
        {"folder", "The file is a directory, not a regular file."},
    };
    if (test::MakeCharDevice(dir.File("null"), 1, 3))
        rows.push_back({"null", "The file is a character device, not a regular file."});
    const auto before = Names(dir);
    for (const Row& row : rows) {
        FileError error;
        EXPECT_FALSE(Save(dir.File(row.name), PatternBytes(4), error)) << row.name;
        EXPECT_EQ(error.text, row.text);
    }
    EXPECT_EQ(Names(dir), before);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));
    EXPECT_TRUE(std::filesystem::is_socket(dir.File("socket")));
}

// orvel-cli writes into a FIFO or a character device as a stream, in place.
TEST(SafeFileWriterTest, CommandLineStreamsIntoFifosAndDevices) {
    TempDir dir;
    ASSERT_TRUE(test::MakeFifo(dir.File("fifo")));
    test::FifoReader reader(dir.File("fifo"));
    FileError error;
    EXPECT_TRUE(Save(dir.File("fifo"), PatternBytes(100000), error, FileKinds::kAlsoStreams))
        << error.text;
    const std::string got = reader.Finish();
    EXPECT_EQ(Bytes(got.begin(), got.end()), PatternBytes(100000));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));

    if (!test::MakeCharDevice(dir.File("null"), 1, 3) ||
        !test::MakeCharDevice(dir.File("full"), 1, 7)) {
        GTEST_SKIP() << "no device nodes in the temporary folder";
    }
    EXPECT_TRUE(Save(dir.File("null"), PatternBytes(10), error, FileKinds::kAlsoStreams));
    EXPECT_FALSE(Save(dir.File("full"), PatternBytes(10), error, FileKinds::kAlsoStreams));
    EXPECT_EQ(error.code, ENOSPC);
    EXPECT_EQ(error.text, "No space left on device");
    EXPECT_TRUE(std::filesystem::is_character_file(dir.File("null")));
    EXPECT_TRUE(std::filesystem::is_character_file(dir.File("full")));
}

// A file the user may write in a folder the user may not write is written in
// place (run as a user without privileges; as root, as nobody).
TEST(SafeFileWriterTest, WritesInPlaceInAFolderTheUserCannotWrite) {
    TempDir dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string folder = dir.File("locked");
    const std::string path = folder + "/data";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    WriteFileBytes(path, PatternBytes(5000));
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    }
    const ino_t inode = StatOf(path).st_ino;
    const ChildEnd end = test::RunUnprivileged([&] {
        FileError error;
        return Save(path, PatternBytes(300, 9), error) ? 0 : 1;
    });
    EXPECT_TRUE(end.exited && end.status == 0);
    EXPECT_EQ(ReadFileBytes(path), PatternBytes(300, 9));
    EXPECT_EQ(StatOf(path).st_ino, inode);
    // A write in place that fails half-way is reported.
    const ChildEnd failed = test::RunUnprivileged([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileError error;
        return !Save(path, PatternBytes(5000), error) && error.code == EFBIG ? 0 : 1;
    });
    EXPECT_TRUE(failed.exited && failed.status == 0);
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

// A save killed half-way (here by the file-size limit's signal) leaves the
// old file as it was and nothing else in its folder.
TEST(SafeFileWriterTest, KilledSaveLeavesNothingBehind) {
    TempDir dir;
    const std::string path = dir.File("target");
    WriteFileBytes(path, PatternBytes(100));
    const ChildEnd end = test::RunInChild([&] {
        const rlimit limit{50000, 50000};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileError error;
        return Save(path, PatternBytes(200000), error) ? 0 : 1;
    });
    EXPECT_EQ(end.signal, SIGXFSZ);
    EXPECT_EQ(ReadFileBytes(path), PatternBytes(100));
    EXPECT_EQ(Names(dir), (std::set<std::string>{"target"}));
}

// The stamp a save reports is the file now on disk, so that the next save
// does not take the program's own write for another program's.
TEST(SafeFileWriterTest, CommitTellsTheStampOfTheWrittenFile) {
    TempDir dir;
    for (const bool linked : {false, true}) {
        const std::string path = dir.File(linked ? "linked" : "plain");
        WriteFileBytes(path, PatternBytes(10));
        if (linked) {
            ASSERT_EQ(link(path.c_str(), (path + "2").c_str()), 0);
        }
        FileStamp written;
        FileError error;
        ASSERT_TRUE(
            SaveFile(path, ByteBuffer(Offset{33}), error, FileKinds::kRegularOnly, &written));
        FileStamp now;
        ASSERT_TRUE(StampOfPath(path, now));
        EXPECT_EQ(written, now);
        EXPECT_EQ(written.size, 33);
    }
}

}  // namespace
}  // namespace orvel
