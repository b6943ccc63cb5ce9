#include "editing/clipboard_codec.h"

#include <cstring>

namespace orvel {
namespace {

constexpr std::size_t kShortHeader = 2;
constexpr std::size_t kLongHeader = 6;
constexpr std::uint32_t kLongMarker = 0xFFFF;

std::uint32_t ReadLittle(const std::uint8_t* p, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

void WriteLittle(std::uint8_t* p, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::size_t EncodedBlockSize(std::size_t count) {
    return (count < kLongMarker ? kShortHeader : kLongHeader) + count;
}

void EncodeBlockInto(std::span<const std::uint8_t> bytes, std::span<std::uint8_t> out) {
    const auto count = static_cast<std::uint32_t>(bytes.size());
    std::size_t header = kShortHeader;
    if (count < kLongMarker) {
        WriteLittle(out.data(), count, 2);
    } else {
        WriteLittle(out.data(), kLongMarker, 2);
        WriteLittle(out.data() + 2, count, 4);
        header = kLongHeader;
    }
    if (!bytes.empty())
        std::memcpy(out.data() + header, bytes.data(), bytes.size());
}

std::vector<std::uint8_t> EncodeClipboardBlock(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> block(EncodedBlockSize(bytes.size()));
    EncodeBlockInto(bytes, block);
    return block;
}

std::optional<std::span<const std::uint8_t>> DecodeClipboardBlock(
    std::span<const std::uint8_t> block) {
    if (block.size() < kShortHeader)
        return std::nullopt;
    std::size_t header = kShortHeader;
    std::size_t count = ReadLittle(block.data(), 2);
    if (count == kLongMarker) {
        if (block.size() < kLongHeader)
            return std::nullopt;
        count = ReadLittle(block.data() + 2, 4);
        header = kLongHeader;
    }
    if (count > block.size() - header)
        return std::nullopt;
    return block.subspan(header, count);
}

}  // namespace orvel
