#include "search/hit_scan.h"

#include <algorithm>

#include "search/hit_iterator.h"

namespace orvel {
namespace {

// The bytes searched between two reports of progress.
constexpr Offset kBlock = Offset{16} << 20;

}  // namespace

bool ScanHits(const Searcher& searcher, std::span<const std::uint8_t> bytes, Offset first,
              Offset last, const HitVisitor& visit, const ProgressSink& progress) {
    const Offset n = searcher.length();
    first = std::max<Offset>(first, 0);
    last = std::min(last, static_cast<Offset>(bytes.size()));
    Offset from = first;
    while (n > 0 && last - from >= n) {
        if (progress && !progress(from - first, last - first))
            return false;
        // A block's hits start before its end; the next block goes on after
        // the last of them, so that no hit overlaps the one before.
        const Offset end = std::min(from + kBlock + n - 1, last);
        HitIterator hits(searcher, bytes, from, end, SearchDirection::kForward);
        Offset next = end - n + 1;
        for (Offset at; (at = hits.Next()) >= 0;) {
            if (!visit(at))
                return true;
            next = at + n;
        }
        from = std::max(next, end - n + 1);
    }
    if (progress)
        progress(last - first, last - first);
    return true;
}

HitList CollectHits(const Searcher& searcher, std::span<const std::uint8_t> bytes, Offset first,
                    Offset last, std::size_t limit, const ProgressSink& progress) {
    HitList list;
    list.stopped = !ScanHits(
        searcher, bytes, first, last,
        [&list, limit](Offset at) {
            if (list.offsets.size() == limit) {
                list.limited = true;
                return false;
            }
            list.offsets.push_back(at);
            return true;
        },
        progress);
    return list;
}

}  // namespace orvel
