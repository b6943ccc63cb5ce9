#include "document/binary_document.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/temp_dir.h"

namespace orvel {
namespace {

TEST(BinaryDocumentTest, NewDocumentIs32ModifiedZeros) {
    BinaryDocument doc;
    doc.NewDocument();
    ASSERT_EQ(doc.size(), 32);
    for (Offset i = 0; i < 32; ++i)
        EXPECT_EQ(doc.at(i), 0);
    EXPECT_TRUE(doc.dataModified());
    EXPECT_EQ(doc.endMarker(), (EndMarker{2, -1, -1}));
}

TEST(BinaryDocumentTest, LoadClearsModifiedAndSetsEndMarker) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("f"), std::vector<std::uint8_t>(25, 7));
    BinaryDocument doc;
    doc.NewDocument();
    FileError error;
    ASSERT_TRUE(doc.Load(dir.File("f"), error));
    EXPECT_FALSE(doc.dataModified());
    EXPECT_EQ(doc.endMarker(), (EndMarker{1, 34, 35}));
}

TEST(BinaryDocumentTest, FailedSaveKeepsModifiedFlag) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("file"), {1});
    BinaryDocument doc;
    doc.NewDocument();
    FileError error;
    EXPECT_FALSE(doc.Save(dir.File("file") + "/x", error));
    EXPECT_TRUE(doc.dataModified());
    ASSERT_TRUE(doc.Save(dir.File("saved"), error));
    EXPECT_FALSE(doc.dataModified());
    EXPECT_EQ(test::ReadFileBytes(dir.File("saved")), std::vector<std::uint8_t>(32, 0));
}

TEST(BinaryDocumentTest, SetByteMarksModifiedOnlyOnChange) {
    BinaryDocument doc;
    doc.AssignBytes(ByteBuffer(4), false);
    int told = 0;
    doc.AddObserver([&](const ByteEdit&) { ++told; });
    doc.SetByte(1, 0);
    EXPECT_FALSE(doc.dataModified());
    EXPECT_EQ(told, 0);
    doc.SetByte(1, 9);
    EXPECT_TRUE(doc.dataModified());
    EXPECT_EQ(doc.at(1), 9);
    EXPECT_EQ(told, 1);
}

// Random edits through the edit interface against a plain vector; the end
// marker and what the observers are told follow every step.
TEST(BinaryDocumentTest, EditsMatchAPlainVector) {
    std::mt19937 random(42);
    BinaryDocument doc;
    std::vector<std::uint8_t> reference;
    doc.AssignBytes(ByteBuffer(), false);
    ByteEdit last{ByteEdit::Kind::Values, -1, -1};
    doc.AddObserver([&](const ByteEdit& edit) { last = edit; });
    for (int step = 0; step < 3000; ++step) {
        const auto size = static_cast<Offset>(reference.size());
        const Offset at = size == 0 ? 0 : static_cast<Offset>(random() % (size + 1));
        const Offset count = static_cast<Offset>(random() % 40);
        const auto value = static_cast<std::uint8_t>(random());
        switch (random() % 4) {
            case 0: {
                std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count), value);
                doc.InsertBytes(at, bytes);
                reference.insert(reference.begin() + at, bytes.begin(), bytes.end());
                EXPECT_EQ(last.kind, ByteEdit::Kind::Structure);
                break;
            }
            case 1:
                doc.InsertFill(at, count, value);
                reference.insert(reference.begin() + at, static_cast<std::size_t>(count), value);
                break;
            case 2: {
                const Offset n = std::min(count, size - at);
                doc.RemoveBytes(at, n);
                reference.erase(reference.begin() + at, reference.begin() + at + n);
                break;
            }
            default: {
                const Offset n = std::min(count, size - at);
                doc.TransformRange(at, n, [](std::span<std::uint8_t> s) {
                    for (auto& b : s)
                        b = static_cast<std::uint8_t>(~b);
                });
                for (Offset i = at; i < at + n; ++i)
                    reference[i] = static_cast<std::uint8_t>(~reference[i]);
                EXPECT_EQ(last.kind, ByteEdit::Kind::Values);
                EXPECT_EQ(last.first, at);
                break;
            }
        }
        ASSERT_EQ(doc.size(), static_cast<Offset>(reference.size()));
        ASSERT_TRUE(std::equal(reference.begin(), reference.end(), doc.bytes().data()));
        ASSERT_EQ(doc.endMarker(), EndMarker::ForSize(doc.size()));
    }
}

TEST(BinaryDocumentTest, FileSizeLimitArithmetic) {
    EXPECT_TRUE(FitsFileSize(0, kMaxFileSize));
    EXPECT_FALSE(FitsFileSize(1, kMaxFileSize));
    EXPECT_TRUE(FitsFileSize(kMaxFileSize, 0));
    EXPECT_FALSE(FitsFileSize(kMaxFileSize - 5, 6));
}

}  // namespace
}  // namespace orvel
