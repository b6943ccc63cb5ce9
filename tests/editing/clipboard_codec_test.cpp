#include "editing/clipboard_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

Bytes Header(std::size_t count) {
    const Bytes block = EncodeClipboardBlock(Counting(count));
    return Bytes(block.begin(), block.end() - static_cast<std::ptrdiff_t>(count));
}

TEST(ClipboardCodecTest, HeadersOfBothCountForms) {
    struct Row {
        std::size_t count;
        Bytes header;
    };
    const Row rows[] = {
        {0, {0x00, 0x00}},
        {6, {0x06, 0x00}},
        {0x1234, {0x34, 0x12}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Header(row.count), row.header) << row.count;
        EXPECT_EQ(EncodedBlockSize(row.count), row.header.size() + row.count) << row.count;
    }
}

TEST(ClipboardCodecTest, BlockCarriesTheBytesInFileOrder) {
    const Bytes bytes = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    EXPECT_EQ(EncodeClipboardBlock(bytes), (Bytes{0x06, 0x00, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}));
}

TEST(ClipboardCodecTest, DecodesWhatWasEncoded) {
    for (const std::size_t count : {0, 1, 0xFFFE, 0xFFFF, 70000}) {
        const Bytes bytes = Counting(count);
        const Bytes block = EncodeClipboardBlock(bytes);
        const auto decoded = DecodeClipboardBlock(block);
        ASSERT_TRUE(decoded) << count;
        EXPECT_EQ(Bytes(decoded->begin(), decoded->end()), bytes) << count;
    }
}

TEST(ClipboardCodecTest, IgnoresWhatFollowsTheCountedBytes) {
    const Bytes block = {0x02, 0x00, 0xAA, 0xBB, 0xCC, 0xDD};
    const auto decoded = DecodeClipboardBlock(block);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(Bytes(decoded->begin(), decoded->end()), (Bytes{0xAA, 0xBB}));
}

TEST(ClipboardCodecTest, AcceptsTheLongFormForASmallCount) {
    const Bytes block = {0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x5A};
    const auto decoded = DecodeClipboardBlock(block);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(Bytes(decoded->begin(), decoded->end()), (Bytes{0x5A}));
}

TEST(ClipboardCodecTest, RefusesDamagedBlocks) {
    const Bytes damaged[] = {
        {},                                                // no count at all
        {0x01},                                            // half a count
        {0x01, 0x00},                                      // count 1, no byte
        {0x03, 0x00, 0x11, 0x22},                          // one byte short
        {0xFF, 0xFF},                                      // marker without the long count
        {0xFF, 0xFF, 0x01, 0x00, 0x00},                    // long count cut short
        {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00, 0x00},        // 70000 promised, one given
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00},  // the largest count
    };
    for (const Bytes& block : damaged) {
        EXPECT_FALSE(DecodeClipboardBlock(block)) << block.size();
    }
}

TEST(ClipboardCodecTest, EmptyBlockWithCountZeroIsValid) {
    const Bytes block = {0x00, 0x00};
    const auto decoded = DecodeClipboardBlock(block);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(decoded->empty());
}

}  // namespace
}  // namespace orvel
