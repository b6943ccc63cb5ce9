#include "editing/find_search.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORVEL_X86 1
#endif

namespace orvel {
namespace {

using Byte = std::uint8_t;

// True when the inner bytes 1 .. n-2 of the pattern match at `at`; the first
// and last byte are already known to match.
inline bool InnerMatches(const Byte* at, const Byte* pattern, std::size_t n) {
    return n <= 2 || std::memcmp(at + 1, pattern + 1, n - 2) == 0;
}

// Positions [first, lastStart] one by one; for short stretches and the tails
// of the vector loops.
const Byte* FindScalar(const Byte* first, const Byte* lastStart, const Byte* pattern,
                       std::size_t n) {
    for (const Byte* at = first; at <= lastStart; ++at) {
        if (at[0] == pattern[0] && at[n - 1] == pattern[n - 1] && InnerMatches(at, pattern, n)) {
            return at;
        }
    }
    return nullptr;
}

#ifdef ORVEL_X86

// Each step compares 16 or 32 candidate positions on the first byte and on
// the last byte of the pattern at once; only positions passing both are
// checked in full. All loads stay below lastStart + n.

const Byte* FindSse2(const Byte* first, const Byte* lastStart, const Byte* pattern, std::size_t n) {
    const __m128i head = _mm_set1_epi8(static_cast<char>(pattern[0]));
    const __m128i tail = _mm_set1_epi8(static_cast<char>(pattern[n - 1]));
    const Byte* at = first;
    for (; lastStart - at >= 15; at += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + n - 1));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, head), _mm_cmpeq_epi8(b, tail))));
        while (mask != 0) {
            const Byte* candidate = at + __builtin_ctz(mask);
            if (InnerMatches(candidate, pattern, n))
                return candidate;
            mask &= mask - 1;
        }
    }
    return FindScalar(at, lastStart, pattern, n);
}

__attribute__((target("avx2"))) const Byte* FindAvx2(const Byte* first, const Byte* lastStart,
                                                     const Byte* pattern, std::size_t n) {
    const __m256i head = _mm256_set1_epi8(static_cast<char>(pattern[0]));
    const __m256i tail = _mm256_set1_epi8(static_cast<char>(pattern[n - 1]));
    const Byte* at = first;
    // 64 positions per step; the common case (no candidate) costs one test.
    for (; lastStart - at >= 63; at += 64) {
        const auto* p = reinterpret_cast<const __m256i*>(at);
        const auto* q = reinterpret_cast<const __m256i*>(at + n - 1);
        const __m256i m0 = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(p), head),
                                            _mm256_cmpeq_epi8(_mm256_loadu_si256(q), tail));
        const __m256i m1 = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(p + 1), head),
                                            _mm256_cmpeq_epi8(_mm256_loadu_si256(q + 1), tail));
        if (_mm256_testz_si256(_mm256_or_si256(m0, m1), _mm256_or_si256(m0, m1)))
            continue;
        std::uint64_t mask =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(m0)) |
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(m1))) << 32;
        while (mask != 0) {
            const Byte* candidate = at + __builtin_ctzll(mask);
            if (InnerMatches(candidate, pattern, n))
                return candidate;
            mask &= mask - 1;
        }
    }
    return FindSse2(at, lastStart, pattern, n);
}

using Finder = const Byte* (*)(const Byte*, const Byte*, const Byte*, std::size_t);

Finder ChooseFinder() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? FindAvx2 : FindSse2;
}

const Byte* FindMulti(const Byte* first, const Byte* lastStart, const Byte* pattern,
                      std::size_t n) {
    static const Finder finder = ChooseFinder();
    return finder(first, lastStart, pattern, n);
}

#else

// Elsewhere: memchr for the first byte, then a compare.
const Byte* FindMulti(const Byte* first, const Byte* lastStart, const Byte* pattern,
                      std::size_t n) {
    const Byte* at = first;
    while (at <= lastStart) {
        const void* hit = std::memchr(at, pattern[0], static_cast<std::size_t>(lastStart - at) + 1);
        if (hit == nullptr)
            return nullptr;
        at = static_cast<const Byte*>(hit);
        if (std::memcmp(at, pattern, n) == 0)
            return at;
        ++at;
    }
    return nullptr;
}

#endif

}  // namespace

Offset FindBytes(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> pattern,
                 Offset from) {
    const auto size = static_cast<Offset>(bytes.size());
    const auto n = static_cast<Offset>(pattern.size());
    if (n == 0 || from < 0 || n > size || from > size - n)
        return kNotFound;
    const Byte* first = bytes.data() + from;
    const Byte* lastStart = bytes.data() + (size - n);
    const Byte* hit =
        n == 1 ? static_cast<const Byte*>(std::memchr(first, pattern[0], lastStart - first + 1))
               : FindMulti(first, lastStart, pattern.data(), pattern.size());
    return hit == nullptr ? kNotFound : hit - bytes.data();
}

Offset FindNext(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> pattern,
                Offset& nextStart) {
    const Offset found = FindBytes(bytes, pattern, nextStart);
    if (found != kNotFound)
        nextStart = found + static_cast<Offset>(pattern.size());
    return found;
}

}  // namespace orvel
