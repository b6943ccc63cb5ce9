#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace orvel {

// Told how many of `total` units (bytes, offsets) a long operation has done;
// returning false asks it to give up. Called on the operation's thread. The
// jobs count in 64 bits, as offsets do, and depend on nothing of the program.
using ProgressSink = std::function<bool(std::int64_t done, std::int64_t total)>;

// How far a background job has got: written by its worker, read by the GUI
// thread whenever it shows the progress.
struct JobProgress {
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};

    void Set(std::int64_t newDone, std::int64_t newTotal) {
        total = newTotal;
        done = newDone;
    }
};

// The whole percent of `total` that `done` is: 0 to 100, and 100 when there is
// nothing to do.
[[nodiscard]] int PercentDone(std::int64_t done, std::int64_t total);

// The status text of a running job: its label, "... " and the percent done,
// e.g. "Opening big.bin... 37%".
[[nodiscard]] std::string ProgressText(std::string_view label, std::int64_t done,
                                       std::int64_t total);

}  // namespace orvel
