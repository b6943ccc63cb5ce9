#include "view/dump_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::ReadFileBytes;
using test::TempDir;

std::string ReadText(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::string WholeText(const DumpText& text) {
    return text.Text(0, text.Length());
}

TEST(DumpExportTest, WritesExactlyTheDumpTextOverALongerFile) {
    TempDir dir;
    const std::string target = dir.File("out.txt");
    test::WriteFileText(target, std::string(100000, 'z'));
    std::vector<std::uint8_t> raw(3000);
    for (std::size_t i = 0; i < raw.size(); ++i)
        raw[i] = static_cast<std::uint8_t>(i * 7);
    const ByteBuffer bytes(raw.data(), static_cast<Offset>(raw.size()));
    for (const DumpStyle style : {DumpStyle::kSingleFile, DumpStyle::kPane}) {
        const DumpText text(bytes, style);
        FileError error;
        ASSERT_TRUE(WriteDumpTextFile(text, target, error)) << error.text;
        const std::string written = ReadText(target);
        EXPECT_EQ(written, WholeText(text));
        EXPECT_NE(written.back(), '\n');
    }
}

TEST(DumpExportTest, EmptyDocumentGivesHeaderEmptyLineAndAddress) {
    TempDir dir;
    const ByteBuffer bytes;
    FileError error;
    ASSERT_TRUE(WriteDumpTextFile(DumpText(bytes), dir.File("e.txt"), error));
    EXPECT_EQ(ReadText(dir.File("e.txt")), std::string(kDumpHeader) + "\n\n0000000");
}

TEST(DumpExportTest, ReportsProgressUpToTheWholeText) {
    TempDir dir;
    const ByteBuffer bytes(Offset{4} << 20);  // a text of several write blocks
    std::vector<double> seen;
    FileError error;
    ASSERT_TRUE(WriteDumpTextFile(
        DumpText(bytes), dir.File("p.txt"), error, [&](Offset done, Offset total) {
            seen.push_back(static_cast<double>(done) / static_cast<double>(total));
            return true;
        }));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
}

TEST(DumpExportTest, AbandonedExportLeavesTheOldFile) {
    TempDir dir;
    const std::string target = dir.File("keep.txt");
    test::WriteFileText(target, "old");
    const ByteBuffer bytes(Offset{4} << 20);
    FileError error;
    EXPECT_FALSE(
        WriteDumpTextFile(DumpText(bytes), target, error, [](Offset, Offset) { return false; }));
    EXPECT_EQ(error.code, ECANCELED);
    EXPECT_EQ(ReadText(target), "old");
    // The last call comes with the whole text written, and still before the
    // target is replaced.
    EXPECT_FALSE(WriteDumpTextFile(DumpText(bytes), target, error,
                                   [](Offset done, Offset total) { return done < total; }));
    EXPECT_EQ(error.code, ECANCELED);
    EXPECT_EQ(ReadText(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DumpExportTest, FailureLeavesNothingAndNamesTheCause) {
    TempDir dir;
    test::WriteFileText(dir.File("file"), "x");
    const std::string target = dir.File("file") + "/out.txt";
    const ByteBuffer bytes(20);
    FileError error;
    ASSERT_FALSE(WriteDumpTextFile(DumpText(bytes), target, error));
    EXPECT_EQ(error.code, ENOTDIR);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(ReadText(dir.File("file")), "x");
    EXPECT_EQ(ExportErrorMessage(target, error.text),
              "Failed to save the hex display into the export file " + target +
                  "\nCause: " + SystemErrorText(ENOTDIR));
}

}  // namespace
}  // namespace orvel
