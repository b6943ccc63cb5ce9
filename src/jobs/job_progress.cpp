#include "jobs/job_progress.h"

#include <algorithm>

namespace orvel {

int PercentDone(std::int64_t done, std::int64_t total) {
    if (total <= 0)
        return 100;
    return static_cast<int>(std::clamp<std::int64_t>(done, 0, total) * 100 / total);
}

std::string ProgressText(std::string_view label, std::int64_t done, std::int64_t total) {
    return std::string(label) + "... " + std::to_string(PercentDone(done, total)) + "%";
}

}  // namespace orvel
