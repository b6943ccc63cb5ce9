#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "jobs/job_progress.h"
#include "search/searcher.h"

namespace orvel {

// Told each hit's offset, in ascending order; returning false ends the scan.
using HitVisitor = std::function<bool(Offset offset)>;

// Visits the hits in [first, last) of `bytes` forwards, as repeated Find Next
// steps through them (without overlap), and tells `progress` (may be empty)
// how many bytes of the range it has searched every few megabytes; progress
// returning false ends the scan. Returns false when progress ended it.
bool ScanHits(const Searcher& searcher, std::span<const std::uint8_t> bytes, Offset first,
              Offset last, const HitVisitor& visit, const ProgressSink& progress);

// The hits of a Find All.
struct HitList {
    std::vector<Offset> offsets;
    bool limited = false;  // there were more than the limit
    bool stopped = false;  // progress asked to stop: the list holds what was found before
};

// At most `limit` hits of [first, last), in ascending order.
[[nodiscard]] HitList CollectHits(const Searcher& searcher, std::span<const std::uint8_t> bytes,
                                  Offset first, Offset last, std::size_t limit,
                                  const ProgressSink& progress);

}  // namespace orvel
