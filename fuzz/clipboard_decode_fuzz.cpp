// Any block either decodes to exactly the bytes its count names, taken from
// inside the block, or is refused as damaged. The format has two spellings of a
// small count (the long form is read too), so re-encoding is checked where it
// holds: the encoded bytes decode to the same bytes, and a block written in the
// canonical form re-encodes to itself (without what follows the counted bytes).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "editing/clipboard_codec.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::size_t CountOf(const std::uint8_t* data, std::size_t size, std::size_t& header) {
    header = 2;
    std::size_t count = data[0] | (std::size_t{data[1]} << 8);
    if (count == 0xFFFF && size >= 6) {
        header = 6;
        count = data[2] | (std::size_t{data[3]} << 8) | (std::size_t{data[4]} << 16) |
                (std::size_t{data[5]} << 24);
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> block(data, size);
    const auto decoded = orvel::DecodeClipboardBlock(block);
    if (size < 2) {
        Check(!decoded);
        return 0;
    }
    std::size_t header = 0;
    const std::size_t count = CountOf(data, size, header);
    const bool whole = !(count == 0xFFFF && header == 2) && header + count <= size;
    Check(decoded.has_value() == whole);
    if (!decoded)
        return 0;

    Check(decoded->size() == count);
    Check(decoded->data() == data + header);

    const std::vector<std::uint8_t> again = orvel::EncodeClipboardBlock(*decoded);
    const auto redecoded = orvel::DecodeClipboardBlock(again);
    Check(redecoded && redecoded->size() == count);
    Check(count == 0 || std::memcmp(redecoded->data(), decoded->data(), count) == 0);

    const bool canonical = (header == 2) == (count < 0xFFFF);
    if (canonical) {
        Check(again.size() == header + count);
        Check(std::memcmp(again.data(), data, again.size()) == 0);
    }
    return 0;
}
