#include "document/file_stamp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "document/binary_document.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::TempDir;
using test::WriteFileBytes;

// Moves the file's modification time by `nanoseconds`, keeping its size.
void Touch(const std::string& path, long nanoseconds) {
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    timespec times[2] = {st.st_atim, st.st_mtim};
    times[1].tv_nsec += nanoseconds;
    if (times[1].tv_nsec >= 1000000000L) {
        times[1].tv_nsec -= 1000000000L;
        ++times[1].tv_sec;
    }
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(FileStampTest, SameFileByIdentityWhateverThePath) {
    TempDir dir;
    WriteFileBytes(dir.File("real"), {1});
    WriteFileBytes(dir.File("other"), {1});
    std::filesystem::create_symlink(dir.File("real"), dir.File("soft"));
    std::filesystem::create_hard_link(dir.File("real"), dir.File("hard"));
    EXPECT_TRUE(IsSameFileOnDisk(dir.File("real"), dir.File("soft")));
    EXPECT_TRUE(IsSameFileOnDisk(dir.File("soft"), dir.File("hard")));
    EXPECT_TRUE(IsSameFileOnDisk(dir.File("real"), dir.path().string() + "/./real"));
    EXPECT_FALSE(IsSameFileOnDisk(dir.File("real"), dir.File("other")));
    EXPECT_FALSE(IsSameFileOnDisk(dir.File("missing"), dir.File("missing")));
}

// What another program may have done to the file since it was read, and
// whether a save to a target must ask first.
TEST(FileStampTest, ChangedOnDiskOnlyWhenTheSameFileChanged) {
    TempDir dir;
    const std::string path = dir.File("file");
    const std::string link = dir.File("link");
    WriteFileBytes(path, {1, 2, 3});
    std::filesystem::create_symlink(path, link);
    FileStamp known;
    ASSERT_TRUE(StampOfPath(path, known));
    EXPECT_FALSE(IsChangedOnDisk(path, path, known));
    EXPECT_FALSE(IsChangedOnDisk(link, path, known));

    Touch(path, 1);  // one nanosecond later, same size
    EXPECT_TRUE(IsChangedOnDisk(path, path, known));
    EXPECT_TRUE(IsChangedOnDisk(link, path, known));
    // Another file (a Save As to a new name) is not the file read.
    WriteFileBytes(dir.File("new"), {9});
    EXPECT_FALSE(IsChangedOnDisk(dir.File("new"), path, known));

    WriteFileBytes(path, {1, 2, 3, 4});
    ASSERT_TRUE(StampOfPath(path, known));
    EXPECT_FALSE(IsChangedOnDisk(path, path, known));
    WriteFileBytes(path, {1, 2, 3, 4, 5});
    EXPECT_TRUE(IsChangedOnDisk(path, path, known));

    // Another program put a new file in its place, with the same size and time.
    ASSERT_TRUE(StampOfPath(path, known));
    WriteFileBytes(dir.File("replacement"), {5, 4, 3, 2, 1});
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.File("replacement").c_str(), times, 0), 0);
    std::filesystem::rename(dir.File("replacement"), path);
    EXPECT_TRUE(IsChangedOnDisk(path, path, known));

    // A file that is gone has nothing to lose.
    std::filesystem::remove(path);
    EXPECT_FALSE(IsChangedOnDisk(path, path, known));
}

TEST(FileStampTest, OverwriteQuestionNamesTheFile) {
    EXPECT_EQ(OverwriteChangedFileQuestion("/home/a/data.bin"),
              "The file /home/a/data.bin has been changed by another program since it was opened "
              "or last saved.\nDo you want to overwrite it?");
}

// A document remembers the file as it read or last saved it.
TEST(FileStampTest, DocumentKnowsItsFileAsLastReadOrSaved) {
    TempDir dir;
    const std::string path = dir.File("doc");
    WriteFileBytes(path, {1, 2});
    BinaryDocument doc;
    EXPECT_FALSE(doc.diskStamp().has_value());
    FileError error;
    ASSERT_TRUE(doc.Load(path, error));
    EXPECT_FALSE(doc.IsChangedOnDisk(path, path));
    Touch(path, 1);
    EXPECT_TRUE(doc.IsChangedOnDisk(path, path));
    ASSERT_TRUE(doc.Save(path, error));
    EXPECT_FALSE(doc.IsChangedOnDisk(path, path));
    // Save As moves the document to its new file.
    ASSERT_TRUE(doc.Save(dir.File("copy"), error));
    Touch(path, 1);
    EXPECT_FALSE(doc.IsChangedOnDisk(dir.File("copy"), dir.File("copy")));
}

}  // namespace
}  // namespace orvel
