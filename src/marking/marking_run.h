#pragma once

#include <functional>
#include <vector>

#include "document/marking_state.h"
#include "marking/run_batcher.h"
#include "view/mark_color.h"

class JobContext;

// A scanning pass of a marking run: a core scan bound to its arguments.
using MarkingPass = std::function<bool(const orvel::RunSink&, const orvel::StopCheck&)>;
// Applies one paint request on the GUI thread.
using MarkingPaint = std::function<void(const std::vector<orvel::BatchedRun>&)>;

// The work of a marking run, on its job's thread: runs the passes in order,
// each only while the marking state's m_bMarking is still 1 and the job is not
// being ended, and hands the runs they find to the GUI thread in batched paint
// requests (`paint` runs there, each request whole). What was scanned before a
// stop is still painted.
//
// The passes read the document's bytes while they scan; no command can resize
// them during a run (the commands wait for the document to be idle).
void RunMarkingPasses(JobContext& job, const orvel::MarkingState& state,
                      const std::vector<MarkingPass>& passes, const MarkingPaint& paint);
