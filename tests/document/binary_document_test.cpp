#include "document/binary_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <vector>

#include "support/byte_edit_print.h"
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

// A position for an edit: either end of the bytes half of the time, as the
// ends are where off-by-one faults live.
Offset PickOffset(std::mt19937& random, Offset size) {
    switch (random() % 4) {
        case 0:
            return 0;
        case 1:
            return size;
        default:
            return static_cast<Offset>(random() % (size + 1));
    }
}

std::uint8_t Shifted(std::uint8_t b, bool left, int bits) {
    if (bits >= 8)
        return 0;
    return static_cast<std::uint8_t>(left ? (b << bits) & 0xFF : b >> bits);
}

// Random typed edits through the edit interface against a plain vector, on
// documents that start empty, with one byte and with a few hundred. After every
// step the bytes, the end marker, the one notice told and the revision follow.
TEST(BinaryDocumentTest, EditsMatchAPlainVector) {
    std::mt19937 random(42);
    for (const Offset initialSize : {0, 1, 300}) {
        std::vector<std::uint8_t> reference(static_cast<std::size_t>(initialSize));
        for (auto& b : reference)
            b = static_cast<std::uint8_t>(random());
        BinaryDocument doc;
        doc.AssignBytes(ByteBuffer(reference.data(), initialSize), false);
        std::vector<ByteEdit> told;
        doc.AddObserver([&](const ByteEdit& edit) { told.push_back(edit); });

        for (int step = 0; step < 3000; ++step) {
            const auto size = static_cast<Offset>(reference.size());
            const Offset at = PickOffset(random, size);
            // At most the bytes from `at` on; the whole rest a quarter of the time.
            const Offset rest = size - at;
            const Offset n =
                rest == 0 ? 0 : (random() % 4 == 0 ? rest : static_cast<Offset>(random() % rest));
            const auto value = static_cast<std::uint8_t>(random());
            const auto first = reference.begin() + at;
            const auto range = std::span<std::uint8_t>(reference).subspan(
                static_cast<std::size_t>(at), static_cast<std::size_t>(n));
            const BinaryDocument::Revision before = doc.revision();
            told.clear();
            ByteEdit expected{EditKind::kReplaceRange, at, n, n};
            switch (random() % 13) {
                case 0: {
                    if (at == size)
                        continue;
                    const bool same = random() % 3 == 0;
                    const std::uint8_t stored = same ? *first : value;
                    doc.SetByte(at, stored);
                    if (*first == stored) {
                        ASSERT_TRUE(told.empty());
                        ASSERT_EQ(doc.revision(), before);
                        continue;
                    }
                    *first = stored;
                    expected = {EditKind::kSet, at, 1, 1};
                    break;
                }
                case 1: {
                    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
                    for (auto& b : bytes)
                        b = static_cast<std::uint8_t>(random());
                    doc.ReplaceRange(at, bytes);
                    std::copy(bytes.begin(), bytes.end(), first);
                    break;
                }
                case 2: {
                    std::vector<std::uint8_t> bytes(random() % 40);
                    for (auto& b : bytes)
                        b = static_cast<std::uint8_t>(random());
                    ASSERT_EQ(doc.InsertRange(at, bytes), EditOutcome::kDone);
                    reference.insert(first, bytes.begin(), bytes.end());
                    expected = {EditKind::kInsert, at, 0, static_cast<Offset>(bytes.size())};
                    break;
                }
                case 3: {
                    const Offset count = static_cast<Offset>(random() % 40);
                    ASSERT_EQ(doc.InsertFill(at, count, value), EditOutcome::kDone);
                    reference.insert(first, static_cast<std::size_t>(count), value);
                    expected = {EditKind::kInsertFill, at, 0, count};
                    break;
                }
                case 4:
                    doc.RemoveBytes(at, n);
                    reference.erase(first, first + n);
                    expected = {EditKind::kRemove, at, n, 0};
                    break;
                case 5:
                    doc.Reverse(at, n);
                    std::reverse(range.begin(), range.end());
                    expected.kind = EditKind::kReverse;
                    break;
                case 6:
                case 7: {
                    const bool left = random() % 2 == 0;
                    const int bits = static_cast<int>(random() % 10);
                    doc.Shift(at, n, left ? ShiftType::kLeft : ShiftType::kRight, bits);
                    for (auto& b : range)
                        b = Shifted(b, left, bits);
                    expected.kind = left ? EditKind::kShiftLeft : EditKind::kShiftRight;
                    break;
                }
                case 8:
                case 9: {
                    const int type = static_cast<int>(random() % 3);
                    doc.Mask(at, n, static_cast<MaskType>(type), value);
                    for (auto& b : range)
                        b = type == 0 ? b & value : type == 1 ? b | value : b ^ value;
                    expected.kind = type == 0   ? EditKind::kMaskAnd
                                    : type == 1 ? EditKind::kMaskOr
                                                : EditKind::kMaskXor;
                    break;
                }
                case 10:
                    doc.OnesComplement(at, n);
                    for (auto& b : range)
                        b = static_cast<std::uint8_t>(255 - b);
                    expected.kind = EditKind::kOnesComplement;
                    break;
                case 11:
                    doc.TwosComplement(at, n);
                    for (auto& b : range)
                        b = static_cast<std::uint8_t>((256 - b) % 256);
                    expected.kind = EditKind::kTwosComplement;
                    break;
                default: {
                    // Mostly a value that occurs, so that something is replaced.
                    const std::uint8_t old = n > 0 && random() % 2 == 0 ? *first : value;
                    doc.ReplaceValue(at, n, old, 0x5A);
                    for (auto& b : range) {
                        if (b == old)
                            b = 0x5A;
                    }
                    expected.kind = EditKind::kReplaceValue;
                    break;
                }
            }
            ASSERT_EQ(told.size(), 1u) << "step " << step;
            ASSERT_EQ(told[0], expected) << "step " << step;
            ASSERT_EQ(doc.revision(), before + 1);
            ASSERT_TRUE(doc.dataModified());
            ASSERT_EQ(doc.size(), static_cast<Offset>(reference.size()));
            ASSERT_TRUE(std::equal(reference.begin(), reference.end(), doc.bytes().data()))
                << "step " << step;
            ASSERT_EQ(doc.endMarker(), EndMarker::ForSize(doc.size()));
        }
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
