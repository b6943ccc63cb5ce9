#pragma once

#include <utility>

#include "jobs/background_job.h"

// The background job of a document that reads or fills its bytes: opening it,
// saving it, exporting its dump. One at a time; while one runs the bytes must
// not change (the editing commands wait and typing is dropped), and closing
// the document waits for a save or asks whether to stop an export.
class DocumentJob final : public BackgroundJob {
  public:
    enum class Kind { kNone, kOpen, kSave, kExport };

    using BackgroundJob::BackgroundJob;

    template <typename Work, typename Finished>
    void Start(Kind kind, Setup setup, Work work, Finished finished) {
        kind_ = kind;
        BackgroundJob::Start(std::move(setup), std::move(work), std::move(finished));
    }
    // What the running job does; None while none runs.
    [[nodiscard]] Kind kind() const { return running() ? kind_ : Kind::kNone; }

  private:
    Kind kind_ = Kind::kNone;
};
