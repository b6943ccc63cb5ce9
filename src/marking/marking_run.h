#pragma once

#include <functional>
#include <thread>
#include <vector>

#include "document/marking_state.h"
#include "marking/paint_channel.h"
#include "marking/run_batcher.h"
#include "view/mark_color.h"

// One marking run's worker thread. It runs the scanning passes in order,
// each only while the marking state's m_bMarking is still 1, and hands the runs
// it finds to the GUI thread as paint requests (`paint` runs there, one
// request at a time, each applied whole). When the passes are done or a stop
// was asked, it sends what it had scanned, then runs `finished` on the GUI
// thread and ends; `finished` must not destroy the run (the worker is still
// returning from it).
//
// EndAtOnce (GUI thread) ends the worker without waiting for the GUI thread:
// the channel is cancelled, which releases a worker waiting on it, the stop
// flag is set, and the thread is joined. After that the worker never touches
// the document or the view again, and `finished` does not run.
//
// The passes read the document's bytes while they scan; no command can resize
// them during a run (the commands wait for the document to be idle).
class CMarkingRun {
  public:
    // A scanning pass: a core scan bound to its arguments.
    using Pass = std::function<bool(const orvel::RunSink&, const orvel::StopCheck&)>;
    using Paint = std::function<void(const std::vector<orvel::BatchedRun>&)>;

    CMarkingRun(orvel::MarkingState& state, QObject* context, std::vector<Pass> passes, Paint paint,
                std::function<void()> finished);
    ~CMarkingRun();  // EndAtOnce
    CMarkingRun(const CMarkingRun&) = delete;
    CMarkingRun& operator=(const CMarkingRun&) = delete;

    void EndAtOnce();

  private:
    void Main(std::vector<Pass> passes);

    orvel::MarkingState& state_;
    PaintChannel channel_;
    Paint paint_;
    std::function<void()> finished_;
    std::thread thread_;
};
