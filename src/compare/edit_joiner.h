#pragma once

#include "compare/aligned_edit.h"

namespace orvel {

// Joins edits of one kind that continue each other in both files before they
// reach the sink: the aligner hands a long run of differences over piece by
// piece, and a listing wants it as one edit. Edits must come in offset order.
class EditJoiner {
  public:
    explicit EditJoiner(const EditSink& sink) : sink_(sink) {}

    // False once the sink has asked to end.
    [[nodiscard]] bool Add(const AlignedEdit& edit);
    // Hands over the edit still held; false when the sink asked to end.
    [[nodiscard]] bool Flush();

  private:
    const EditSink& sink_;
    AlignedEdit pending_{AlignedEditKind::kChange, 0, 0, 0};
    bool holding_ = false;
};

}  // namespace orvel
