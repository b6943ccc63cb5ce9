#include "search/search_kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORVEL_X86 1
#endif

namespace orvel {
namespace {

using Byte = std::uint8_t;

// The two filters share their loops through a probe: its anchors (offset, value
// and mask of two pattern bytes) and a full check of a candidate.
struct ExactProbe {
    static constexpr bool kMasked = false;
    const Byte* pattern;
    std::size_t n;

    [[nodiscard]] std::size_t headOffset() const { return 0; }
    [[nodiscard]] std::size_t tailOffset() const { return n - 1; }
    [[nodiscard]] Byte headValue() const { return pattern[0]; }
    [[nodiscard]] Byte tailValue() const { return pattern[n - 1]; }
    [[nodiscard]] Byte headMask() const { return 0xFF; }
    [[nodiscard]] Byte tailMask() const { return 0xFF; }
    // The first and last byte are known to match.
    [[nodiscard]] bool Matches(const Byte* at) const {
        return n <= 2 || std::memcmp(at + 1, pattern + 1, n - 2) == 0;
    }
};

struct MaskedAdapter {
    static constexpr bool kMasked = true;
    const MaskedProbe& probe;

    [[nodiscard]] std::size_t headOffset() const { return probe.head().offset; }
    [[nodiscard]] std::size_t tailOffset() const { return probe.tail().offset; }
    [[nodiscard]] Byte headValue() const { return probe.head().value; }
    [[nodiscard]] Byte tailValue() const { return probe.tail().value; }
    [[nodiscard]] Byte headMask() const { return probe.head().mask; }
    [[nodiscard]] Byte tailMask() const { return probe.tail().mask; }
    [[nodiscard]] bool Matches(const Byte* at) const { return probe.Matches(at); }
};

template <typename Probe>
bool Candidate(const Byte* at, const Probe& p) {
    return (at[p.headOffset()] & p.headMask()) == p.headValue() &&
           (at[p.tailOffset()] & p.tailMask()) == p.tailValue() && p.Matches(at);
}

// One position after another; for short stretches and the ends of the vector loops.
template <typename Probe>
const Byte* ScalarForward(const Byte* first, const Byte* lastStart, const Probe& p) {
    for (const Byte* at = first; at <= lastStart; ++at) {
        if (Candidate(at, p))
            return at;
    }
    return nullptr;
}

template <typename Probe>
const Byte* ScalarBackward(const Byte* first, const Byte* lastStart, const Probe& p) {
    for (std::size_t left = static_cast<std::size_t>(lastStart - first) + 1; left > 0; --left) {
        if (Candidate(first + left - 1, p))
            return first + left - 1;
    }
    return nullptr;
}

#ifdef ORVEL_X86

// The candidates of the 16 positions from `at` on, one bit each. All loads
// stay below at + 16 + the tail offset.
template <typename Probe>
unsigned Sse2Mask(const Byte* at, const Probe& p) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + p.headOffset()));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + p.tailOffset()));
    if constexpr (Probe::kMasked) {
        a = _mm_and_si128(a, _mm_set1_epi8(static_cast<char>(p.headMask())));
        b = _mm_and_si128(b, _mm_set1_epi8(static_cast<char>(p.tailMask())));
    }
    const __m128i head = _mm_cmpeq_epi8(a, _mm_set1_epi8(static_cast<char>(p.headValue())));
    const __m128i tail = _mm_cmpeq_epi8(b, _mm_set1_epi8(static_cast<char>(p.tailValue())));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(head, tail)));
}

template <typename Probe>
const Byte* Sse2Forward(const Byte* first, const Byte* lastStart, const Probe& p) {
    const Byte* at = first;
    for (; lastStart - at >= 15; at += 16) {
        for (unsigned mask = Sse2Mask(at, p); mask != 0; mask &= mask - 1) {
            const Byte* candidate = at + __builtin_ctz(mask);
            if (p.Matches(candidate))
                return candidate;
        }
    }
    return ScalarForward(at, lastStart, p);
}

template <typename Probe>
const Byte* Sse2Backward(const Byte* first, const Byte* lastStart, const Probe& p) {
    // `end` is one past the last candidate still to try.
    const Byte* end = lastStart + 1;
    for (; end - first >= 16; end -= 16) {
        for (unsigned mask = Sse2Mask(end - 16, p); mask != 0;) {
            const int k = 31 - __builtin_clz(mask);
            if (p.Matches(end - 16 + k))
                return end - 16 + k;
            mask &= ~(1u << k);
        }
    }
    return end == first ? nullptr : ScalarBackward(first, end - 1, p);
}

// The candidates of the 64 positions from `at` on; zero costs one test.
template <typename Probe>
__attribute__((target("avx2"))) std::uint64_t Avx2Mask(const Byte* at, const Probe& p) {
    const auto* h = reinterpret_cast<const __m256i*>(at + p.headOffset());
    const auto* t = reinterpret_cast<const __m256i*>(at + p.tailOffset());
    __m256i h0 = _mm256_loadu_si256(h);
    __m256i h1 = _mm256_loadu_si256(h + 1);
    __m256i t0 = _mm256_loadu_si256(t);
    __m256i t1 = _mm256_loadu_si256(t + 1);
    if constexpr (Probe::kMasked) {
        const __m256i hm = _mm256_set1_epi8(static_cast<char>(p.headMask()));
        const __m256i tm = _mm256_set1_epi8(static_cast<char>(p.tailMask()));
        h0 = _mm256_and_si256(h0, hm);
        h1 = _mm256_and_si256(h1, hm);
        t0 = _mm256_and_si256(t0, tm);
        t1 = _mm256_and_si256(t1, tm);
    }
    const __m256i head = _mm256_set1_epi8(static_cast<char>(p.headValue()));
    const __m256i tail = _mm256_set1_epi8(static_cast<char>(p.tailValue()));
    const __m256i m0 = _mm256_and_si256(_mm256_cmpeq_epi8(h0, head), _mm256_cmpeq_epi8(t0, tail));
    const __m256i m1 = _mm256_and_si256(_mm256_cmpeq_epi8(h1, head), _mm256_cmpeq_epi8(t1, tail));
    const __m256i any = _mm256_or_si256(m0, m1);
    if (_mm256_testz_si256(any, any))
        return 0;
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(m0)) |
           static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(m1))) << 32;
}

template <typename Probe>
__attribute__((target("avx2"))) const Byte* Avx2Forward(const Byte* first, const Byte* lastStart,
                                                        const Probe& p) {
    const Byte* at = first;
    for (; lastStart - at >= 63; at += 64) {
        for (std::uint64_t mask = Avx2Mask(at, p); mask != 0; mask &= mask - 1) {
            const Byte* candidate = at + __builtin_ctzll(mask);
            if (p.Matches(candidate))
                return candidate;
        }
    }
    return Sse2Forward(at, lastStart, p);
}

template <typename Probe>
__attribute__((target("avx2"))) const Byte* Avx2Backward(const Byte* first, const Byte* lastStart,
                                                         const Probe& p) {
    const Byte* end = lastStart + 1;
    for (; end - first >= 64; end -= 64) {
        for (std::uint64_t mask = Avx2Mask(end - 64, p); mask != 0;) {
            const int k = 63 - __builtin_clzll(mask);
            if (p.Matches(end - 64 + k))
                return end - 64 + k;
            mask &= ~(std::uint64_t{1} << k);
        }
    }
    return end == first ? nullptr : Sse2Backward(first, end - 1, p);
}

bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

template <typename Probe>
const Byte* Forward(const Byte* first, const Byte* lastStart, const Probe& p) {
    static const bool avx2 = HasAvx2();
    return avx2 ? Avx2Forward(first, lastStart, p) : Sse2Forward(first, lastStart, p);
}

template <typename Probe>
const Byte* Backward(const Byte* first, const Byte* lastStart, const Probe& p) {
    static const bool avx2 = HasAvx2();
    return avx2 ? Avx2Backward(first, lastStart, p) : Sse2Backward(first, lastStart, p);
}

#else

template <typename Probe>
const Byte* Forward(const Byte* first, const Byte* lastStart, const Probe& p) {
    return ScalarForward(first, lastStart, p);
}

template <typename Probe>
const Byte* Backward(const Byte* first, const Byte* lastStart, const Probe& p) {
    return ScalarBackward(first, lastStart, p);
}

#endif

std::uint64_t LoadWord(const Byte* at, std::size_t count) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, count);
    return word;
}

}  // namespace

const Byte* FindExactForward(const Byte* first, const Byte* lastStart, const Byte* pattern,
                             std::size_t n) {
    if (n == 1) {
        const std::size_t count = static_cast<std::size_t>(lastStart - first) + 1;
        return static_cast<const Byte*>(std::memchr(first, pattern[0], count));
    }
    return Forward(first, lastStart, ExactProbe{pattern, n});
}

const Byte* FindExactBackward(const Byte* first, const Byte* lastStart, const Byte* pattern,
                              std::size_t n) {
    if (n == 1) {
        const std::size_t count = static_cast<std::size_t>(lastStart - first) + 1;
        return static_cast<const Byte*>(memrchr(first, pattern[0], count));
    }
    return Backward(first, lastStart, ExactProbe{pattern, n});
}

MaskedProbe::MaskedProbe(const SearchPattern& pattern) : size_(pattern.size()) {
    const auto masks = pattern.masks();
    const auto values = pattern.values();
    std::size_t head = 0;
    while (head < size_ && masks[head] == 0)
        ++head;
    std::size_t tail = size_;
    while (tail > head && masks[tail - 1] == 0)
        --tail;
    head_ = {head, values[head], masks[head]};
    tail_ = {tail - 1, values[tail - 1], masks[tail - 1]};
    for (std::size_t k = 0; k < size_; k += 8) {
        const std::size_t count = std::min<std::size_t>(8, size_ - k);
        valueWords_.push_back(LoadWord(values.data() + k, count));
        maskWords_.push_back(LoadWord(masks.data() + k, count));
    }
}

bool MaskedProbe::Matches(const Byte* at) const {
    std::size_t k = 0;
    for (; k + 8 <= size_; k += 8) {
        if ((LoadWord(at + k, 8) & maskWords_[k / 8]) != valueWords_[k / 8])
            return false;
    }
    return k == size_ || (LoadWord(at + k, size_ - k) & maskWords_[k / 8]) == valueWords_[k / 8];
}

const Byte* FindMaskedForward(const Byte* first, const Byte* lastStart, const MaskedProbe& probe) {
    return Forward(first, lastStart, MaskedAdapter{probe});
}

const Byte* FindMaskedBackward(const Byte* first, const Byte* lastStart, const MaskedProbe& probe) {
    return Backward(first, lastStart, MaskedAdapter{probe});
}

}  // namespace orvel
