#pragma once

#include <optional>

#include "document/edit_outcome.h"
#include "view/dump_layout.h"

namespace orvel {

// What every block and bitwise kernel hands back: how it ended and, on kDone,
// the selection the view shows afterwards, or nothing when the view keeps its
// own selection where it is (and does not scroll to it).
struct EditResult {
    EditOutcome outcome = EditOutcome::kDone;
    std::optional<TextSelection> selection;
};

}  // namespace orvel
