// Thousands of random block commands applied to a document and, written out
// plainly, to a std::vector; the two must hold the same bytes after each step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "editing/bitwise_kernels.h"
#include "editing/block_kernels.h"
#include "editing/clipboard_codec.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

const DumpLayout kSingle;

Bytes Reference(const Bytes& ref, Offset first, Offset last) {
    return Bytes(ref.begin() + first, ref.begin() + last + 1);
}

// A plain block: the clipboard's count in its two forms, then the bytes.
Bytes PlainBlock(const Bytes& bytes) {
    const auto n = static_cast<std::uint32_t>(bytes.size());
    Bytes block = n < 0xFFFF
                      ? Bytes{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8)}
                      : Bytes{0xFF,
                              0xFF,
                              static_cast<std::uint8_t>(n),
                              static_cast<std::uint8_t>(n >> 8),
                              static_cast<std::uint8_t>(n >> 16),
                              static_cast<std::uint8_t>(n >> 24)};
    block.insert(block.end(), bytes.begin(), bytes.end());
    return block;
}

TEST(KernelsDifferentialTest, RandomCommandsMatchPlainVectorOperations) {
    std::mt19937 rng(20240611);
    auto pick = [&rng](Offset lo, Offset hi) {
        return std::uniform_int_distribution<Offset>(lo, hi)(rng);
    };
    BinaryDocument doc;
    Bytes ref;
    Bytes clipboard;
    Bytes reference_clipboard;

    for (int step = 0; step < 4000; ++step) {
        const auto size = static_cast<Offset>(ref.size());
        const int op = static_cast<int>(pick(0, 11));
        const auto byte = static_cast<std::uint8_t>(pick(0, 255));
        if (size == 0 && op < 9) {  // only the inserting commands work on an empty file
            const Offset count = pick(0, 40);
            ASSERT_EQ(InsertBytes(doc, kSingle, 0, count, byte).outcome, EditOutcome::kDone);
            ref.insert(ref.begin(), static_cast<std::size_t>(count), byte);
            continue;
        }
        const Offset start = size > 0 ? pick(0, size - 1) : 0;
        const Offset end = size > 0 ? pick(0, size - 1) : 0;
        const Offset first = std::min(start, end);
        const Offset last = std::max(start, end);
        switch (op) {
            case 0:
                ASSERT_EQ(CopyBytes(doc, start, end, StoreIn(clipboard)).outcome,
                          EditOutcome::kDone);
                reference_clipboard = PlainBlock(Reference(ref, first, last));
                ASSERT_EQ(clipboard, reference_clipboard);
                break;
            case 1:
                ASSERT_EQ(CutBytes(doc, kSingle, start, end, StoreIn(clipboard)).outcome,
                          EditOutcome::kDone);
                reference_clipboard = PlainBlock(Reference(ref, first, last));
                ASSERT_EQ(clipboard, reference_clipboard);
                ref.erase(ref.begin() + first, ref.begin() + last + 1);
                break;
            case 2:
                (void)DeleteBytes(doc, kSingle, start, end);
                ref.erase(ref.begin() + first, ref.begin() + last + 1);
                break;
            case 3:
                for (Offset i = start; i <= end; ++i) {
                    if (ref[static_cast<std::size_t>(i)] == byte)
                        ref[static_cast<std::size_t>(i)] = 0x5A;
                }
                (void)ReplaceBytes(doc, start, end, byte, 0x5A, {});
                break;
            case 4:
                (void)ReverseBytes(doc, start, end);
                std::reverse(ref.begin() + first, ref.begin() + last + 1);
                break;
            case 5:
            case 6: {
                const int count = static_cast<int>(pick(0, 9));
                const bool left = op == 5;
                (void)ShiftBytes(doc, kSingle, start, end,
                                 left ? ShiftType::kLeft : ShiftType::kRight, count);
                for (Offset i = first; i <= last; ++i) {
                    auto& b = ref[static_cast<std::size_t>(i)];
                    b = count >= 8
                            ? 0
                            : static_cast<std::uint8_t>(left ? (b << count) & 0xFF : b >> count);
                }
                break;
            }
            case 7: {
                const int type = static_cast<int>(pick(0, 2));
                (void)MaskBytes(doc, kSingle, start, end, static_cast<MaskType>(type), byte);
                for (Offset i = first; i <= last; ++i) {
                    auto& b = ref[static_cast<std::size_t>(i)];
                    b = type == 0 ? b & byte : type == 1 ? b | byte : b ^ byte;
                }
                break;
            }
            case 8:
                if (pick(0, 1) == 0) {
                    (void)OnesComplement(doc, kSingle, start, end);
                    for (Offset i = first; i <= last; ++i)
                        ref[static_cast<std::size_t>(i)] = 255 - ref[static_cast<std::size_t>(i)];
                } else {
                    (void)TwosComplement(doc, kSingle, start, end);
                    for (Offset i = first; i <= last; ++i) {
                        ref[static_cast<std::size_t>(i)] =
                            (256 - ref[static_cast<std::size_t>(i)]) % 256;
                    }
                }
                break;
            case 9:
            case 10: {
                const Offset at = pick(0, size);
                ASSERT_EQ(PasteBytes(doc, kSingle, at, clipboard).outcome,
                          clipboard.empty() ? EditOutcome::kClipboardDamaged : EditOutcome::kDone);
                if (!clipboard.empty()) {
                    ref.insert(ref.begin() + at, reference_clipboard.begin() + 2,
                               reference_clipboard.end());
                }
                break;
            }
            default: {
                const Offset at = pick(0, size);
                const Offset count = pick(0, 40);
                ASSERT_EQ(InsertBytes(doc, kSingle, at, count, byte).outcome, EditOutcome::kDone);
                ref.insert(ref.begin() + at, static_cast<std::size_t>(count), byte);
                break;
            }
        }
        ASSERT_EQ(doc.size(), static_cast<Offset>(ref.size())) << "step " << step;
        const auto bytes = doc.bytes().span();
        ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), ref.begin())) << "step " << step;
        ASSERT_EQ(doc.endMarker(), EndMarker::ForSize(doc.size()));
    }
}

// The word-wise reversal against std::reverse for every length around its word size.
TEST(KernelsDifferentialTest, ReverseOfEveryShortLength) {
    for (int length = 1; length <= 70; ++length) {
        for (int offset = 0; offset < 3; ++offset) {
            Bytes ref(static_cast<std::size_t>(length + 2 * offset));
            for (std::size_t i = 0; i < ref.size(); ++i)
                ref[i] = static_cast<std::uint8_t>(i + 1);
            BinaryDocument doc;
            doc.AssignBytes(ByteBuffer(ref.data(), static_cast<Offset>(ref.size())), false);
            (void)ReverseBytes(doc, offset + length - 1, offset);
            std::reverse(ref.begin() + offset, ref.begin() + offset + length);
            const auto bytes = doc.bytes().span();
            ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), ref.begin())) << length;
        }
    }
}

}  // namespace
}  // namespace orvel
