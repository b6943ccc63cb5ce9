#pragma once

#include <cstdint>
#include <cstring>

#include "document/byte_buffer.h"

namespace orvel::bench {

// `size` random bytes (a multiple of 8) in which FF never occurs, so memchr
// for FF runs over the whole buffer and FF-led values are as rare as planted.
inline ByteBuffer RandomBytesWithoutFF(Offset size) {
    ByteBuffer b(size);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (Offset i = 0; i < size; i += 8) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        std::uint64_t v = x;
        for (int k = 0; k < 8; ++k, v >>= 8) {
            const auto byte = static_cast<std::uint8_t>(v);
            b[i + k] = byte == 0xFF ? 0xFE : byte;
        }
    }
    return b;
}

// Occurrences of `value`, found by memchr: the baseline the scans are held to.
inline Offset CountByte(const ByteBuffer& bytes, std::uint8_t value) {
    Offset count = 0;
    const std::uint8_t* at = bytes.data();
    const std::uint8_t* end = at + bytes.size();
    while ((at = static_cast<const std::uint8_t*>(std::memchr(at, value, end - at))) != nullptr) {
        ++count;
        ++at;
    }
    return count;
}

}  // namespace orvel::bench
