#include "marking/marking_run.h"

CMarkingRun::CMarkingRun(orvel::MarkingState& state, QObject* context, std::vector<Pass> passes,
                         Paint paint, std::function<void()> finished)
    : state_(state), channel_(context), paint_(std::move(paint)), finished_(std::move(finished)) {
    thread_ =
        std::thread([this, passes = std::move(passes)]() mutable { Main(std::move(passes)); });
}

CMarkingRun::~CMarkingRun() {
    EndAtOnce();
}

void CMarkingRun::EndAtOnce() {
    channel_.Cancel();
    state_.m_bMarking = 0;
    if (thread_.joinable())
        thread_.join();
}

void CMarkingRun::Main(std::vector<Pass> passes) {
    const auto stopAsked = [this] { return state_.m_bMarking.load() == 0; };
    orvel::RunBatcher batcher(
        [this](std::vector<orvel::BatchedRun>&& runs) {
            return channel_.Run([this, runs = std::move(runs)] { paint_(runs); });
        },
        stopAsked);
    const orvel::RunSink sink = batcher.Sink();
    const orvel::StopCheck stop = batcher.Stop();
    for (const Pass& pass : passes) {
        if (stopAsked() || !pass(sink, stop))
            break;
    }
    if (batcher.Flush())
        channel_.Run(finished_);
}
