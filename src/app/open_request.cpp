#include "app/open_request.h"

#include <utility>

namespace orvel {

OpenRequest ForDroppedFiles(std::vector<std::string> files) {
    const auto kind =
        files.size() == 2 ? OpenRequest::Kind::kComparison : OpenRequest::Kind::kEachFile;
    return {kind, std::move(files)};
}

StartupPlan PlanStartup(bool compare, std::vector<std::string> files) {
    if (!compare)
        return {{OpenRequest::Kind::kEachFile, std::move(files)}, {}};
    if (files.size() != 2)
        return {{}, "--compare needs two files, FILE1 and FILE2"};
    return {{OpenRequest::Kind::kComparison, std::move(files)}, {}};
}

}  // namespace orvel
