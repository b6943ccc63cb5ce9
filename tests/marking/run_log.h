#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "view/mark_color.h"

namespace orvel::test {

// Collects the runs a scan hands over and checks the order the sink promises.
struct RunLog {
    std::vector<PaintRun> runs;
    bool ordered = true;  // increasing, non-overlapping
    RunSink Sink() {
        return [this](const PaintRun& run) {
            if (run.first > run.last)
                ordered = false;
            if (!runs.empty() && run.first <= runs.back().last)
                ordered = false;
            runs.push_back(run);
            return true;
        };
    }
};

inline constexpr int kUnpainted = -1;

// The colour each of `size` bytes ends up with when the runs are painted in order.
inline std::vector<int> Painted(const std::vector<PaintRun>& runs, std::size_t size) {
    std::vector<int> colors(size, kUnpainted);
    for (const PaintRun& run : runs) {
        for (Offset i = run.first; i <= run.last; ++i)
            colors[i] = static_cast<int>(run.color);
    }
    return colors;
}

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (const int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

}  // namespace orvel::test
