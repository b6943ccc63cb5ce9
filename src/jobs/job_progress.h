#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

#include "document/offset.h"

namespace orvel {

// Told how many of `total` units (bytes, offsets) a long operation has done;
// returning false asks it to give up. Called on the operation's thread.
using ProgressSink = std::function<bool(Offset done, Offset total)>;

// How far a background job has got: written by its worker, read by the GUI
// thread whenever it shows the progress.
struct JobProgress {
    std::atomic<Offset> done{0};
    std::atomic<Offset> total{0};

    void Set(Offset newDone, Offset newTotal) {
        total = newTotal;
        done = newDone;
    }
};

// The whole percent of `total` that `done` is: 0 to 100, and 100 when there is
// nothing to do.
[[nodiscard]] int PercentDone(Offset done, Offset total);

// The status text of a running job: its label, "... " and the percent done,
// e.g. "Opening big.bin... 37%".
[[nodiscard]] std::string ProgressText(std::string_view label, Offset done, Offset total);

}  // namespace orvel
