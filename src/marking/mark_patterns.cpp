#include "marking/mark_patterns.h"

#include <algorithm>
#include <cstring>

#include "marking/block_scan.h"
#include "search/find_search.h"

namespace orvel {
namespace {

using Bytes = std::span<const std::uint8_t>;

// The block a pattern scan covers; empty when e < s.
struct Block {
    Offset s;
    Offset e;
};

Block ScanBlock(Bytes bytes, Offset start, Offset end) {
    return {std::min(start, end), std::min(end, static_cast<Offset>(bytes.size()) - 1)};
}

bool MatchesAt(Bytes bytes, Offset at, Bytes pattern) {
    return std::memcmp(bytes.data() + at, pattern.data(), pattern.size()) == 0;
}

Offset Size(Bytes pattern) {
    return static_cast<Offset>(pattern.size());
}

// Type3 once the block ends inside the tail of the header at `p`: every later
// header ends inside its tail too, so what remains is every header from `p` on
// in the header colour over the tail colour up to the block's end.
bool PaintCutTails(Bytes bytes, Offset p, Offset e, Bytes header, PatternColors colors,
                   const RunSink& sink, const StopCheck& stop) {
    const Offset d = Size(header);
    const Offset lastHeader = e - d + 1;
    RunMerger runs(sink);
    Offset painted = p - 1;  // last byte handed to the merger
    for (Offset q = p; q <= lastHeader; ++q) {
        q = FindInBlock(bytes, header, q, lastHeader, stop);
        if (q == kStopped) {
            static_cast<void>(runs.Flush());
            return false;
        }
        if (q == kNotFound)
            break;
        if (q > painted + 1 && !runs.Add(painted + 1, q - 1, colors.body))
            return false;
        if (!runs.Add(q, q + d - 1, colors.header))
            return false;
        painted = std::max(painted, q + d - 1);
    }
    if (painted < e && !runs.Add(painted + 1, e, colors.body))
        return false;
    return runs.Flush();
}

}  // namespace

bool MarkPatternType1(Bytes bytes, Offset start, Offset end, Bytes header, Bytes tail,
                      PatternColors colors, const RunSink& sink, const StopCheck& stop) {
    if (header.empty() || tail.empty() || start < 0 || end < 0)
        return true;
    const auto [s, e] = ScanBlock(bytes, start, end);
    const Offset d = Size(header);
    const Offset m = Size(tail);
    Offset p = s;
    while (p <= e - d + 1) {
        p = FindInBlock(bytes, header, p, e - d + 1, stop);
        if (p == kStopped)
            return false;
        if (p == kNotFound)
            return true;
        const Offset t = FindInBlock(bytes, tail, p + d, e - m + 1, stop);
        if (t == kStopped)
            return false;
        // No tail after this header means none after any later header.
        if (t == kNotFound)
            return true;
        if (!sink(PaintRun{p, p + d - 1, colors.header}))
            return false;
        if (t > p + d && !sink(PaintRun{p + d, t - 1, colors.body}))
            return false;
        if (!sink(PaintRun{t, t + m - 1, colors.tail}))
            return false;
        p = t + m;
    }
    return true;
}

bool MarkPatternType2(Bytes bytes, Offset start, Offset end, Bytes header, Offset bodyBytes,
                      Bytes tail, PatternColors colors, const RunSink& sink,
                      const StopCheck& stop) {
    if (header.empty() || tail.empty() || bodyBytes < 0 || start < 0 || end < 0)
        return true;
    const auto [s, e] = ScanBlock(bytes, start, end);
    const Offset d = Size(header);
    const Offset m = Size(tail);
    const Offset length = d + bodyBytes + m;
    Offset p = s;
    while (p <= e - d + 1) {
        p = FindInBlock(bytes, header, p, e - d + 1, stop);
        if (p == kStopped)
            return false;
        if (p == kNotFound)
            return true;
        // A pattern that does not fit here fits after no later header either.
        if (p + length - 1 > e)
            return true;
        if (!MatchesAt(bytes, p + d + bodyBytes, tail)) {
            ++p;
            continue;
        }
        if (!sink(PaintRun{p, p + d - 1, colors.header}))
            return false;
        if (bodyBytes > 0 && !sink(PaintRun{p + d, p + d + bodyBytes - 1, colors.body})) {
            return false;
        }
        if (!sink(PaintRun{p + d + bodyBytes, p + length - 1, colors.tail}))
            return false;
        p += length;
    }
    return true;
}

bool MarkPatternType3(Bytes bytes, Offset start, Offset end, Bytes header, Offset tailBytes,
                      PatternColors colors, const RunSink& sink, const StopCheck& stop) {
    if (header.empty() || tailBytes < 0 || start < 0 || end < 0)
        return true;
    const auto [s, e] = ScanBlock(bytes, start, end);
    const Offset d = Size(header);
    const Offset lastHeader = e - d + 1;
    Offset p = s;
    while (p <= lastHeader) {
        p = FindInBlock(bytes, header, p, lastHeader, stop);
        if (p == kStopped)
            return false;
        if (p == kNotFound)
            return true;
        const Offset u = p + d;
        const Offset x = u + tailBytes;
        if (x > e)
            return PaintCutTails(bytes, p, e, header, colors, sink, stop);
        if (!sink(PaintRun{p, u - 1, colors.header}))
            return false;
        if (tailBytes > 0 && !sink(PaintRun{u, x - 1, colors.body}))
            return false;
        // A header starting on the following byte paints over it; leave it to that header.
        const bool headerFollows = x <= lastHeader && MatchesAt(bytes, x, header);
        if (!headerFollows && !sink(PaintRun{x, x, colors.tail}))
            return false;
        p = x;
    }
    return true;
}

}  // namespace orvel
