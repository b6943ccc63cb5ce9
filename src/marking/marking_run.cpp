#include "marking/marking_run.h"

#include "jobs/background_job.h"

void RunMarkingPasses(JobContext& job, const orvel::MarkingState& state,
                      const std::vector<MarkingPass>& passes, const MarkingPaint& paint) {
    const auto stopAsked = [&] { return state.m_bMarking.load() == 0 || job.StopAsked(); };
    orvel::RunBatcher batcher(
        [&](std::vector<orvel::BatchedRun>&& runs) {
            return job.Deliver([&paint, runs = std::move(runs)] { paint(runs); });
        },
        stopAsked);
    const orvel::RunSink sink = batcher.Sink();
    const orvel::StopCheck stop = batcher.Stop();
    for (const MarkingPass& pass : passes) {
        if (stopAsked() || !pass(sink, stop))
            break;
    }
    (void)batcher.Flush();
}
