#include "editing/bitwise_kernels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "editing/block_kernels.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

const DumpLayout kSingle;

using Kernel = std::function<EditResult(BinaryDocument&, Offset, Offset)>;

Kernel Shift(ShiftType type, int count) {
    return [=](BinaryDocument& doc, Offset start, Offset end) {
        return ShiftBytes(doc, kSingle, start, end, type, count);
    };
}
Kernel Mask(MaskType type, std::uint8_t mask) {
    return [=](BinaryDocument& doc, Offset start, Offset end) {
        return MaskBytes(doc, kSingle, start, end, type, mask);
    };
}
const Kernel kOnes = [](BinaryDocument& doc, Offset start, Offset end) {
    return OnesComplement(doc, kSingle, start, end);
};
const Kernel kTwos = [](BinaryDocument& doc, Offset start, Offset end) {
    return TwosComplement(doc, kSingle, start, end);
};

// Runs `kernel` over the whole of `before` (given end first, to check that the
// range is taken either way round) and returns the bytes afterwards.
Bytes RunOverAll(const Kernel& kernel, const Bytes& before) {
    BinaryDocument doc;
    doc.AssignBytes(ByteBuffer(before.data(), static_cast<Offset>(before.size())), false);
    const Offset last = static_cast<Offset>(before.size()) - 1;
    EXPECT_EQ(kernel(doc, last, 0).selection, SelectBytes(kSingle, 0, last));
    EXPECT_TRUE(doc.dataModified());
    const auto span = doc.bytes().span();
    return Bytes(span.begin(), span.end());
}

TEST(BitwiseKernelsTest, ByteResults) {
    struct Row {
        const char* name;
        Kernel kernel;
        Bytes before;
        Bytes after;
    };
    const Bytes all = {0x00, 0x01, 0x5A, 0x7F, 0x80, 0x81, 0xF0, 0xFF};
    const Row rows[] = {
        {"shl 1", Shift(ShiftType::kLeft, 1), {0x81, 0x40}, {0x02, 0x80}},
        {"shr 1", Shift(ShiftType::kRight, 1), {0x81, 0x01}, {0x40, 0x00}},
        {"shr 4", Shift(ShiftType::kRight, 4), {0xF0, 0x8F}, {0x0F, 0x08}},
        {"shl 7", Shift(ShiftType::kLeft, 7), {0x03, 0xFE}, {0x80, 0x00}},
        {"shl 8", Shift(ShiftType::kLeft, 8), {0xFF, 0x01}, {0x00, 0x00}},
        {"shr 9", Shift(ShiftType::kRight, 9), {0xFF, 0x80}, {0x00, 0x00}},
        {"shl 3, words", Shift(ShiftType::kLeft, 3), Bytes(19, 0xFF), Bytes(19, 0xF8)},
        {"shr 3, words", Shift(ShiftType::kRight, 3), Bytes(17, 0x81), Bytes(17, 0x10)},
        {"shl 0", Shift(ShiftType::kLeft, 0), all, all},
        {"and FF", Mask(MaskType::kAnd, 0xFF), all, all},
        {"and 0F", Mask(MaskType::kAnd, 0x0F), {0x5A, 0xF0}, {0x0A, 0x00}},
        {"or 00", Mask(MaskType::kOr, 0x00), all, all},
        {"or 81", Mask(MaskType::kOr, 0x81), {0x00, 0x5A}, {0x81, 0xDB}},
        {"xor FF", Mask(MaskType::kXor, 0xFF), {0x00, 0x5A}, {0xFF, 0xA5}},
        {"ones", kOnes, {0x00, 0x5A, 0xFF}, {0xFF, 0xA5, 0x00}},
        {"twos", kTwos, {0x01, 0x00, 0x80, 0xFF, 0x7F}, {0xFF, 0x00, 0x80, 0x01, 0x81}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RunOverAll(row.kernel, row.before), row.after) << row.name;
    }
    EXPECT_EQ(RunOverAll(Mask(MaskType::kXor, 0xFF), all), RunOverAll(kOnes, all));
}

TEST(BitwiseKernelsTest, ChangesOnlyTheBlockAndKeepsTheDumpStructure) {
    for (const Kernel& kernel :
         {Shift(ShiftType::kLeft, 1), Mask(MaskType::kOr, 0x0F), kOnes, kTwos}) {
        BinaryDocument doc;
        const Bytes before(40, 0xF1);
        doc.AssignBytes(ByteBuffer(before.data(), 40), false);
        std::vector<ByteEdit> edits;
        doc.AddObserver([&edits](const ByteEdit& edit) { edits.push_back(edit); });

        EXPECT_EQ(kernel(doc, 20, 17).selection, SelectBytes(kSingle, 17, 20));
        for (Offset i = 0; i < 40; ++i) {
            EXPECT_EQ(doc.at(i) != 0xF1, i >= 17 && i <= 20) << i;
        }
        ASSERT_EQ(edits.size(), 1u);
        EXPECT_FALSE(edits[0].RebuildsDump());  // marks outside the block survive
        EXPECT_EQ(edits[0].offset, 17);
        EXPECT_EQ(edits[0].oldLength, 4);
        EXPECT_EQ(edits[0].newLength, 4);
    }
}

}  // namespace
}  // namespace orvel
