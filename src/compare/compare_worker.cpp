#include "compare/compare_worker.h"

#include <QMetaObject>
#include <algorithm>
#include <limits>
#include <new>

#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "view/orvel_view.h"

using orvel::ComparedFile;
using orvel::Offset;

namespace {

// The scan asks its stop check before every differing byte: it reads the stop
// flag each time, but the clock (for sending a request that waited too long)
// only this often.
constexpr unsigned kAsksPerClockRead = 1024;

}  // namespace

CompareWorker::CompareWorker(ShellServices& shell, orvel::CompareDocument& doc, QWidget* owner,
                             JobHost* jobs)
    : shell_(shell), doc_(doc), owner_(owner), job_(jobs) {}

CompareWorker::~CompareWorker() {
    End();
}

void CompareWorker::Start() {
    first_->ClearAllMarks();
    second_->ClearAllMarks();
    doc_.m_bComparing = 1;
    doc_.m_bCompareIdle = 0;
    outOfMemory_ = false;
    // The sizes are taken once, here; the arrays cannot change until the end.
    const auto first = doc_.file(ComparedFile::kFirst).bytes().span();
    const auto second = doc_.file(ComparedFile::kSecond).bytes().span();
    BackgroundJob::Setup setup;
    setup.label = QStringLiteral("Comparing");
    setup.showAfterMs = 0;  // from the start, as the scan begins
    setup.total = static_cast<Offset>(std::max(first.size(), second.size()));
    job_.Start(
        setup, [this, first, second](JobContext& job) { return Scan(job, first, second); },
        [this](const orvel::CompareResult& result) { Finished(result); });
}

void CompareWorker::End() {
    doc_.m_bComparing = 0;
    job_.EndAtOnce();
    doc_.m_bCompareIdle = 1;
}

orvel::CompareResult CompareWorker::Scan(JobContext& job, std::span<const std::uint8_t> first,
                                         std::span<const std::uint8_t> second) {
    // The scan itself watches the stop flag, so that every run it found reaches
    // both panes; the batcher ends only when the job is ended at once.
    orvel::RunBatcher batcher(
        [this, &job](std::vector<orvel::BatchedRun>&& runs) {
            return job.Deliver([this, runs = std::move(runs)] { Paint(runs); });
        },
        {});
    unsigned asks = 0;
    const auto stop = [&] {
        return doc_.m_bComparing == 0 || job.StopAsked() ||
               (++asks % kAsksPerClockRead == 0 && batcher.StopNow());
    };
    orvel::CompareResult result = orvel::CompareBytes(first, second, batcher.Sink(0),
                                                      batcher.Sink(1), stop, &job.progress().done);
    result.finished = batcher.Flush() && result.finished;
    return result;
}

void CompareWorker::Finished(const orvel::CompareResult& result) {
    if (!result.finished) {
        doc_.m_bCompareIdle = 1;  // stopped: no summary
        return;
    }
    // The summary does not block the interface; the comparison is over when
    // the user closes it.
    const QPointer<QWidget> owner = owner_;
    shell_.prompts().Notify(
        owner_.data(), QString::fromStdString(orvel::CompareSummaryText(result)), [this, owner] {
            if (owner.isNull())
                return;
            doc_.m_bComparing = 0;
            doc_.m_bCompareIdle = 1;
        });
}

void CompareWorker::Paint(const std::vector<orvel::BatchedRun>& runs) {
    if (outOfMemory_)
        return;
    COrvelView* panes[] = {first_, second_};
    Offset low[] = {std::numeric_limits<Offset>::max(), std::numeric_limits<Offset>::max()};
    Offset high[] = {-1, -1};
    try {
        for (const orvel::BatchedRun& item : runs) {
            panes[item.target]->marks().Paint(item.run);
            low[item.target] = std::min(low[item.target], item.run.first);
            high[item.target] = std::max(high[item.target], item.run.last);
        }
    } catch (const std::bad_alloc&) {
        // The scan stops at its next offset and shows no summary.
        outOfMemory_ = true;
        doc_.m_bComparing = 0;
        // Told once the request is over: the worker waits for it.
        QMetaObject::invokeMethod(
            owner_.data(),
            [&shell = shell_, owner = owner_] {
                shell.prompts().Tell(owner.data(),
                                     QString::fromUtf8(orvel::kCompareOutOfMemoryText));
            },
            Qt::QueuedConnection);
    }
    for (int pane = 0; pane < 2; ++pane) {
        if (low[pane] <= high[pane])
            panes[pane]->MarksChanged(low[pane], high[pane]);
    }
    job_.ShowProgressNow();
}
