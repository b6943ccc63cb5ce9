#include "compare/compare_engine.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace orvel {
namespace {

// memcmp answers "equal?" at full speed for spans of this size; only a span it
// finds unequal is searched word by word for the exact offset.
constexpr Offset kProbe = 8192;

std::uint64_t Word(const std::uint8_t* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The byte of a word difference (x != 0) nearest the lower address.
int LowestDiffByte(std::uint64_t x) {
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(x) / 8;
    return std::countl_zero(x) / 8;
}

int HighestDiffByte(std::uint64_t x) {
    if constexpr (std::endian::native == std::endian::little)
        return 7 - std::countl_zero(x) / 8;
    return 7 - std::countr_zero(x) / 8;
}

Offset FirstInSpan(const std::uint8_t* a, const std::uint8_t* b, Offset n) {
    Offset i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint64_t x = Word(a + i) ^ Word(b + i);
        if (x != 0)
            return i + LowestDiffByte(x);
    }
    for (; i < n; ++i) {
        if (a[i] != b[i])
            return i;
    }
    return -1;
}

Offset LastInSpan(const std::uint8_t* a, const std::uint8_t* b, Offset n) {
    Offset i = n;
    for (; i >= 8; i -= 8) {
        const std::uint64_t x = Word(a + i - 8) ^ Word(b + i - 8);
        if (x != 0)
            return i - 8 + HighestDiffByte(x);
    }
    while (i-- > 0) {
        if (a[i] != b[i])
            return i;
    }
    return -1;
}

bool Unequal(const std::uint8_t* a, const std::uint8_t* b, Offset n) {
    return std::memcmp(a, b, static_cast<std::size_t>(n)) != 0;
}

}  // namespace

Offset FindFirstMismatch(const std::uint8_t* a, const std::uint8_t* b, Offset from, Offset to) {
    for (Offset pos = from; pos < to; pos += kProbe) {
        const Offset n = std::min(kProbe, to - pos);
        if (Unequal(a + pos, b + pos, n))
            return pos + FirstInSpan(a + pos, b + pos, n);
    }
    return -1;
}

Offset FindLastMismatch(const std::uint8_t* a, const std::uint8_t* b, Offset from, Offset to) {
    for (Offset end = to; end > from; end -= kProbe) {
        const Offset n = std::min(kProbe, end - from);
        const Offset pos = end - n;
        if (Unequal(a + pos, b + pos, n))
            return pos + LastInSpan(a + pos, b + pos, n);
    }
    return -1;
}

CompareResult CompareBytes(std::span<const std::uint8_t> first,
                           std::span<const std::uint8_t> second, const RunSink& firstPane,
                           const RunSink& secondPane, const StopCheck& stop,
                           std::atomic<Offset>* progress) {
    const std::uint8_t* a = first.data();
    const std::uint8_t* b = second.data();
    CompareResult result;
    result.size1 = static_cast<Offset>(first.size());
    result.size2 = static_cast<Offset>(second.size());
    const Offset common = result.common();

    const auto stopped = [&stop] { return stop && stop(); };
    const auto send = [](const RunSink& sink, const PaintRun& run) { return !sink || sink(run); };
    const auto reached = [progress](Offset done) {
        if (progress != nullptr)
            progress->store(done, std::memory_order_relaxed);
    };
    // Takes offsets from `pos` on while `take` holds and no stop comes, up to
    // `end`; returns one past the last offset taken.
    const auto extend = [&](Offset pos, Offset end, auto take) {
        while (pos < end && take(pos) && !stopped())
            ++pos;
        return pos;
    };

    for (Offset block = 0; block < common; block += kCompareBlock) {
        reached(block);
        if (stopped())
            return result;
        const Offset end = std::min(block + kCompareBlock, common);
        for (Offset pos = block; pos < end;) {
            const Offset diff = FindFirstMismatch(a, b, pos, end);
            if (diff < 0)
                break;
            pos = extend(diff, end, [a, b](Offset i) { return a[i] != b[i]; });
            if (pos > diff) {
                result.differences += pos - diff;
                if (!send(firstPane, {diff, pos - 1, kFirstPaneDiffColor}) ||
                    !send(secondPane, {diff, pos - 1, kSecondPaneDiffColor})) {
                    return result;
                }
            }
            if (pos < end && a[pos] != b[pos])
                return result;  // a stop came inside the run
        }
    }

    const bool firstLonger = result.size1 > result.size2;
    const RunSink& surplusPane = firstLonger ? firstPane : secondPane;
    const MarkColor surplusColor = firstLonger ? kFirstPaneDiffColor : kSurplusColor;
    const Offset longer = std::max(result.size1, result.size2);
    for (Offset pos = common; pos < longer;) {
        reached(pos);
        const Offset end = std::min((pos / kCompareBlock + 1) * kCompareBlock, longer);
        const Offset taken = extend(pos, end, [](Offset) { return true; });
        if (taken > pos && !send(surplusPane, {pos, taken - 1, surplusColor}))
            return result;
        if (taken < end)
            return result;
        pos = end;
    }
    reached(longer);
    result.finished = true;
    return result;
}

std::string CompareSummaryText(const CompareResult& result) {
    const auto count = std::to_string(result.differences);
    const auto surplus = std::to_string(result.surplus());
    const std::string head = "There are " + count + " different byte between file1 and file2.\n";
    if (result.size1 > result.size2)
        return head + "File1 has " + surplus + " more bytes than file2";
    if (result.size2 > result.size1)
        return head + "File2 has " + surplus + " more bytes than file1";
    return "Number of different byte found: " + count;
}

}  // namespace orvel
