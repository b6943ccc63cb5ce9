#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "document/binary_document.h"
#include "jobs/job_progress.h"
#include "search/searcher.h"

namespace orvel {

// What a Replace All makes of the bytes: [first, first + oldLength) becomes
// `bytes`, the stretch from the first hit to the end of the last with every
// hit replaced. `count` hits; none leaves everything empty.
struct ReplaceAllPlan {
    Offset first = 0;
    Offset oldLength = 0;
    std::vector<std::uint8_t> bytes;
    Offset count = 0;
    bool stopped = false;  // progress asked to stop: the plan is not to be used
};

// Replaces every hit of [first, last) (as repeated Find Next steps through
// them) by `replacement`, building the new bytes in one pass, so that the time
// grows with the bytes, not with bytes times hits. See ScanHits for `progress`.
// Throws std::bad_alloc.
[[nodiscard]] ReplaceAllPlan PlanReplaceAll(const Searcher& searcher,
                                            std::span<const std::uint8_t> bytes, Offset first,
                                            Offset last, std::span<const std::uint8_t> replacement,
                                            const ProgressSink& progress);

// Replaces [offset, offset + oldLength) of the document by `bytes` as one step
// of its history named `name`: one range edit when the lengths agree (which
// keeps the colour marks), a removal and an insert when they differ. The file
// must stay within kMaxFileSize (kFileTooLarge otherwise). On any outcome but
// kDone the bytes are as they were.
EditOutcome SpliceBytes(BinaryDocument& doc, Offset offset, Offset oldLength,
                        std::span<const std::uint8_t> bytes, std::string_view name);

}  // namespace orvel
