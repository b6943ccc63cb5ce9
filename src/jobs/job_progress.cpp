#include "jobs/job_progress.h"

#include <algorithm>

namespace orvel {

int PercentDone(Offset done, Offset total) {
    if (total <= 0)
        return 100;
    return static_cast<int>(std::clamp<Offset>(done, 0, total) * 100 / total);
}

std::string ProgressText(std::string_view label, Offset done, Offset total) {
    return std::string(label) + "... " + std::to_string(PercentDone(done, total)) + "%";
}

}  // namespace orvel
