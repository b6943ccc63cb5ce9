#include "app/open_request.h"

#include <utility>

namespace orvel {

OpenRequest ForDroppedFiles(std::vector<std::string> files) {
    const auto kind =
        files.size() == 2 ? OpenRequest::Kind::Comparison : OpenRequest::Kind::EachFile;
    return {kind, std::move(files)};
}

StartupPlan PlanStartup(bool compare, std::vector<std::string> files) {
    if (!compare)
        return {{OpenRequest::Kind::EachFile, std::move(files)}, {}};
    if (files.size() != 2)
        return {{}, "--compare needs two files, FILE1 and FILE2"};
    return {{OpenRequest::Kind::Comparison, std::move(files)}, {}};
}

}  // namespace orvel
