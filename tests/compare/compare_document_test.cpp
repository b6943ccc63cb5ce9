#include "compare/compare_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace orvel {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;
constexpr auto kFirst = ComparedFile::kFirst;
constexpr auto kSecond = ComparedFile::kSecond;

Bytes BytesOf(const BinaryDocument& doc) {
    return Bytes(doc.bytes().data(), doc.bytes().data() + doc.size());
}

struct Loaded {
    TempDir dir;
    CompareDocument doc;
    Loaded(const Bytes& one, const Bytes& two) {
        WriteFileBytes(dir.File("one"), one);
        WriteFileBytes(dir.File("two"), two);
        CompareFileFailure failure;
        EXPECT_TRUE(doc.Load(dir.File("one"), dir.File("two"), failure)) << failure.message;
    }
};

// Only names of one file are refused; names that differ in letter case only
// are two files on a file system that keeps case apart.
TEST(CompareDocumentTest, OnlyTwoNamesOfOneFileAreRefused) {
    TempDir dir;
    WriteFileBytes(dir.File("Case"), {1});
    WriteFileBytes(dir.File("case"), {2});
    WriteFileBytes(dir.File("copy of Case"), {1});
    ASSERT_EQ(link(dir.File("Case").c_str(), dir.File("hard link").c_str()), 0);
    ASSERT_EQ(symlink(dir.File("Case").c_str(), dir.File("symlink").c_str()), 0);
    struct Row {
        std::string a;
        std::string b;
        bool same;
    };
    const Row rows[] = {
        {dir.File("Case"), dir.File("case"), false},
        {dir.File("Case"), dir.File("copy of Case"), false},
        {dir.File("Case"), dir.File("Case"), true},
        {dir.File("Case"), dir.File("hard link"), true},
        {dir.File("symlink"), dir.File("Case"), true},
        {dir.File("Case"), dir.path().string() + "/./Case", true},
        {dir.File("missing"), dir.File("MISSING"), false},
        {dir.File("missing"), dir.File("missing"), true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IsSameFileForComparison(row.a, row.b), row.same) << row.a << " / " << row.b;
    EXPECT_EQ(std::string(kSameFilesText), "You must select two different files for comparison!");
}

TEST(CompareDocumentTest, StartsIdleAndLoadsBothFiles) {
    Loaded l({1, 2, 3}, {});
    CompareDocument& doc = l.doc;
    EXPECT_EQ(BytesOf(doc.file(kFirst)), (Bytes{1, 2, 3}));
    EXPECT_EQ(doc.file(kSecond).size(), 0);
    EXPECT_EQ(doc.path(kFirst), l.dir.File("one"));
    EXPECT_EQ(doc.path(kSecond), l.dir.File("two"));
    EXPECT_FALSE(doc.dataModified(kFirst));
    EXPECT_FALSE(doc.dataModified(kSecond));
    EXPECT_EQ(doc.m_nLastDiff, -1);
    EXPECT_EQ(doc.file(kFirst).endMarker(), EndMarker::ForSize(3));
    EXPECT_TRUE(doc.IsCompareDocIdle());
}

TEST(CompareDocumentTest, IdleOnlyWithoutComparisonOrMarking) {
    struct Row {
        int comparing, compareIdle, marking, markIdle;
        bool idle, workerLive;
    };
    const Row rows[] = {
        {0, 1, 0, 1, true, false}, {1, 0, 0, 1, false, true},  {0, 0, 0, 1, false, true},
        {1, 1, 0, 1, false, true}, {0, 1, 1, 0, false, false}, {0, 1, 0, 0, false, false},
    };
    for (const Row& row : rows) {
        CompareDocument doc;
        doc.m_bComparing = row.comparing;
        doc.m_bCompareIdle = row.compareIdle;
        doc.m_bMarking = row.marking;
        doc.m_bMarkIdle = row.markIdle;
        EXPECT_EQ(doc.IsCompareDocIdle(), row.idle);
        EXPECT_EQ(doc.IsComparing(), row.workerLive);
    }
}

TEST(CompareDocumentTest, FailedLoadNamesTheFileAndChangesNothing) {
    Loaded l({7}, {8});
    CompareFileFailure failure;
    WriteFileBytes(l.dir.File("three"), {9, 9});
    EXPECT_FALSE(l.doc.Load(l.dir.File("three"), l.dir.File("missing"), failure));
    EXPECT_EQ(failure.step, FileStep::kOpen);
    EXPECT_EQ(failure.message, "Failed to open second file " + l.dir.File("missing") +
                                   "\nCause: " + SystemErrorText(ENOENT));
    EXPECT_FALSE(l.doc.Load(l.dir.File("missing"), l.dir.File("three"), failure));
    EXPECT_EQ(failure.message, "Failed to open first file " + l.dir.File("missing") +
                                   "\nCause: " + SystemErrorText(ENOENT));
    EXPECT_EQ(BytesOf(l.doc.file(kFirst)), (Bytes{7}));
    EXPECT_EQ(BytesOf(l.doc.file(kSecond)), (Bytes{8}));
    EXPECT_EQ(l.doc.path(kFirst), l.dir.File("one"));
}

// Each file is half of a load's progress, however long; giving up changes
// nothing.
TEST(CompareDocumentTest, LoadProgressCountsEachFileHalfAndMayGiveUp) {
    TempDir dir;
    WriteFileBytes(dir.File("one"), Bytes(10, 1));
    WriteFileBytes(dir.File("two"), Bytes(30, 2));
    std::vector<int> percents;
    CompareDocument doc;
    CompareFileFailure failure;
    ASSERT_TRUE(
        doc.Load(dir.File("one"), dir.File("two"), failure, [&percents](Offset done, Offset total) {
            percents.push_back(PercentDone(done, total));
            return true;
        }));
    EXPECT_EQ(percents, (std::vector<int>{50, 100}));
    CompareDocument stopped;
    EXPECT_FALSE(stopped.Load(dir.File("one"), dir.File("two"), failure,
                              [](Offset done, Offset total) { return done * 2 < total; }));
    EXPECT_EQ(failure.error.code, ECANCELED);
    EXPECT_EQ(stopped.file(kFirst).size(), 0);
    EXPECT_TRUE(stopped.path(kFirst).empty());
}

TEST(CompareDocumentTest, FailureTexts) {
    const FileError error{EIO, std::string(300, 'x')};
    const std::string cause = "\nCause: " + std::string(255, 'x');
    EXPECT_EQ(LoadFailureText(kFirst, FileStep::kRead, "/p", error),
              "Failed to read first file /p" + cause);
    EXPECT_EQ(LoadFailureText(kSecond, FileStep::kOpen, "/p", error),
              "Failed to open second file /p" + cause);
    EXPECT_EQ(SaveFailureText(kFirst, FileStep::kOpen, "/p", error),
              "Failed to open file1 /p" + cause);
    EXPECT_EQ(SaveFailureText(kSecond, FileStep::kWrite, "/p", error),
              "Failed to write file2 /p" + cause);
}

TEST(CompareDocumentTest, SaveWritesOneFileAndClearsOnlyItsFlag) {
    Loaded l({1, 2, 3, 4}, {5, 6});
    CompareDocument& doc = l.doc;
    doc.file(kFirst).RemoveBytes(1, 2);
    doc.file(kSecond).SetByte(0, 0x50);
    EXPECT_TRUE(doc.dataModified(kFirst));
    EXPECT_TRUE(doc.dataModified(kSecond));
    CompareFileFailure failure;
    ASSERT_TRUE(doc.SaveFile(kFirst, failure)) << failure.message;
    EXPECT_EQ(ReadFileBytes(l.dir.File("one")), (Bytes{1, 4}));
    EXPECT_EQ(ReadFileBytes(l.dir.File("two")), (Bytes{5, 6}));
    EXPECT_FALSE(doc.dataModified(kFirst));
    EXPECT_TRUE(doc.dataModified(kSecond));
}

TEST(CompareDocumentTest, SaveAsWritesACopyAndChangesNothingElse) {
    Loaded l({1, 2}, {3});
    CompareDocument& doc = l.doc;
    ASSERT_EQ(doc.file(kSecond).InsertFill(1, 2, 0xEE), EditOutcome::kDone);
    CompareFileFailure failure;
    ASSERT_TRUE(doc.SaveFileAs(kSecond, l.dir.File("copy"), failure)) << failure.message;
    EXPECT_EQ(ReadFileBytes(l.dir.File("copy")), (Bytes{3, 0xEE, 0xEE}));
    EXPECT_EQ(ReadFileBytes(l.dir.File("two")), (Bytes{3}));
    EXPECT_EQ(doc.path(kSecond), l.dir.File("two"));
    EXPECT_TRUE(doc.dataModified(kSecond));
    ASSERT_TRUE(doc.SaveFile(kSecond, failure));
    EXPECT_EQ(ReadFileBytes(l.dir.File("two")), (Bytes{3, 0xEE, 0xEE}));
}

TEST(CompareDocumentTest, FailedSaveKeepsTheFlagAndTheFile) {
    Loaded l({1}, {2});
    CompareDocument& doc = l.doc;
    doc.file(kFirst).SetByte(0, 9);
    CompareFileFailure failure;
    const std::string nowhere = l.dir.File("no folder/file");
    EXPECT_FALSE(doc.SaveFileAs(kFirst, nowhere, failure));
    EXPECT_EQ(failure.step, FileStep::kOpen);
    EXPECT_EQ(failure.message,
              "Failed to open file1 " + nowhere + "\nCause: " + failure.error.text);
    EXPECT_FALSE(failure.error.text.empty());

    std::filesystem::remove(l.dir.File("one"));
    std::filesystem::create_directory(l.dir.File("one"));  // a folder cannot be replaced by a file
    EXPECT_FALSE(doc.SaveFile(kFirst, failure));
    EXPECT_NE(failure.message.find("file1 " + l.dir.File("one") + "\nCause: "), std::string::npos);
    EXPECT_TRUE(doc.dataModified(kFirst));
    EXPECT_TRUE(std::filesystem::is_directory(l.dir.File("one")));
}

TEST(CompareDocumentTest, NavigationUsesAndUpdatesTheLastDifference) {
    Loaded l({0, 1, 2, 3}, {0, 9, 2, 9, 4});
    CompareDocument& doc = l.doc;
    const DumpLayout pane(DumpLayout::kPaneFirstDataPos);
    const Offset onByte1 = pane.ByteToHexPos(1).high;
    auto nav = doc.NavigateDiff(DiffCommand::kNext, kFirst, {onByte1, onByte1});
    EXPECT_EQ(nav.offset, 1);
    EXPECT_EQ(doc.m_nLastDiff, 1);
    nav = doc.NavigateDiff(DiffCommand::kNext, kSecond, {onByte1, onByte1});
    EXPECT_EQ(nav.offset, 3);
    EXPECT_EQ(doc.m_nLastDiff, 3);
}

}  // namespace
}  // namespace orvel
