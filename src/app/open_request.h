#pragma once

#include <string>
#include <vector>

namespace orvel {

// What the shell opens for a list of files named together (on the command
// line, in one drop).
struct OpenRequest {
    enum class Kind {
        kEachFile,    // each file in a single-file window of its own, in order
        kComparison,  // one comparison window of files[0] and files[1]
    };
    Kind kind = Kind::kEachFile;
    std::vector<std::string> files;
    friend bool operator==(const OpenRequest&, const OpenRequest&) = default;
};

// Files dropped together: exactly two open a comparison of them; one, or three
// and more, open each on its own.
[[nodiscard]] OpenRequest ForDroppedFiles(std::vector<std::string> files);

// What start-up opens for the files named on its command line, with or
// without --compare; or, when --compare names other than two files, the
// reason in `error` (then `open` opens nothing).
struct StartupPlan {
    OpenRequest open;
    std::string error;
};
[[nodiscard]] StartupPlan PlanStartup(bool compare, std::vector<std::string> files);

}  // namespace orvel
