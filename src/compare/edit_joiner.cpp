#include "compare/edit_joiner.h"

namespace orvel {

bool EditJoiner::Add(const AlignedEdit& edit) {
    if (holding_ && Continues(pending_, edit)) {
        pending_.length += edit.length;
        return true;
    }
    if (!Flush())
        return false;
    pending_ = edit;
    holding_ = true;
    return true;
}

bool EditJoiner::Flush() {
    if (!holding_)
        return true;
    holding_ = false;
    return sink_(pending_);
}

}  // namespace orvel
