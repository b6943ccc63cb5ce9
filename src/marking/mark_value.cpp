#include "marking/mark_value.h"

#include <algorithm>

#include "marking/block_scan.h"
#include "search/find_search.h"

namespace orvel {

bool MarkValue(std::span<const std::uint8_t> bytes, Offset start, Offset end,
               std::span<const std::uint8_t> value, MarkColor color, const RunSink& sink,
               const StopCheck& stop) {
    const auto n = static_cast<Offset>(value.size());
    if (n == 0 || start < 0)
        return true;
    const Offset last = std::min(end, static_cast<Offset>(bytes.size()) - 1);
    const Offset lastStart = last - (n - 1);
    RunMerger runs(sink);
    for (Offset p = start; p <= lastStart; ++p) {
        p = FindInBlock(bytes, value, p, lastStart, stop);
        if (p == kStopped) {
            static_cast<void>(runs.Flush());
            return false;
        }
        if (p == kNotFound)
            break;
        if (!runs.Add(p, p + n - 1, color))
            return false;
    }
    return runs.Flush();
}

}  // namespace orvel
