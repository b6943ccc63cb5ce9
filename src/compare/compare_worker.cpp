#include "compare/compare_worker.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <limits>
#include <new>

#include "compare/edit_joiner.h"

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

// The aligner's edits reach the GUI thread in batches of at most this many, or
// once the first of a batch is this old.
constexpr std::size_t kEditsPerRequest = 4096;
constexpr auto kMaxEditAge = std::chrono::milliseconds(20);

}  // namespace

CompareWorker::CompareWorker(ShellServices& shell, orvel::CompareDocument& doc, QWidget* owner,
                             JobHost* jobs)
    : shell_(shell), doc_(doc), owner_(owner), job_(jobs) {}

CompareWorker::~CompareWorker() {
    End();
}

void CompareWorker::Begin(orvel::DiffColouring colouring) {
    first_->ClearAllMarks();
    second_->ClearAllMarks();
    doc_.m_bComparing = 1;
    doc_.m_bCompareIdle = 0;
    outOfMemory_ = false;
    colouring_ = colouring;
    size1_ = doc_.file(ComparedFile::kFirst).size();
    size2_ = doc_.file(ComparedFile::kSecond).size();
}

void CompareWorker::Start() {
    Begin(orvel::DiffColouring::kPlain);
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

void CompareWorker::StartAligned() {
    Begin(orvel::DiffColouring::kAligned);
    const auto first = doc_.file(ComparedFile::kFirst).bytes().span();
    const auto second = doc_.file(ComparedFile::kSecond).bytes().span();
    BackgroundJob::Setup setup;
    setup.label = QStringLiteral("Aligning");
    setup.showAfterMs = 0;
    setup.total = static_cast<Offset>(first.size() + second.size());
    job_.Start(
        setup, [this, first, second](JobContext& job) { return Align(job, first, second); },
        [this](const orvel::AlignResult& result) { FinishedAligned(result); });
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

orvel::AlignResult CompareWorker::Align(JobContext& job, std::span<const std::uint8_t> first,
                                        std::span<const std::uint8_t> second) {
    std::vector<orvel::AlignedEdit> batch;
    auto oldest = std::chrono::steady_clock::now();
    bool delivered = true;
    const auto send = [&] {
        if (!batch.empty()) {
            delivered = job.Deliver([this, edits = std::move(batch)] { PaintEdits(edits); });
            batch.clear();
        }
        return delivered;
    };
    const orvel::EditSink sink = [&](const orvel::AlignedEdit& edit) {
        if (batch.empty())
            oldest = std::chrono::steady_clock::now();
        batch.push_back(edit);
        return batch.size() < kEditsPerRequest || send();
    };
    orvel::EditJoiner joiner(sink);
    const auto stop = [&] {
        if (!batch.empty() && std::chrono::steady_clock::now() - oldest > kMaxEditAge && !send())
            return true;
        return doc_.m_bComparing == 0 || job.StopAsked();
    };
    orvel::AlignResult result = orvel::AlignBytes(
        first, second, [&joiner](const orvel::AlignedEdit& edit) { return joiner.Add(edit); }, {},
        stop, &job.progress().done);
    if (!joiner.Flush() || !send())
        result.outcome = orvel::AlignOutcome::kStopped;
    return result;
}

void CompareWorker::Finished(const orvel::CompareResult& result) {
    if (scanEnded_)
        scanEnded_({result, {}});
    if (!result.finished) {
        doc_.m_bCompareIdle = 1;  // stopped: no summary
        return;
    }
    ShowSummary(QString::fromStdString(orvel::CompareSummaryText(result)));
}

void CompareWorker::FinishedAligned(const orvel::AlignResult& result) {
    if (scanEnded_)
        scanEnded_({std::nullopt, QString::fromStdString(orvel::UnalignedNoteText(result, {}))});
    if (result.outcome != orvel::AlignOutcome::kFinished) {
        doc_.m_bCompareIdle = 1;
        return;
    }
    ShowSummary(QString::fromStdString(orvel::AlignSummaryText(result, {})));
}

// The summary does not block the interface; the comparison is over when the
// user closes it.
void CompareWorker::ShowSummary(const QString& summary) {
    const QPointer<QWidget> owner = owner_;
    shell_.prompts().Notify(owner_.data(), summary, [this, owner] {
        if (owner.isNull())
            return;
        doc_.m_bComparing = 0;
        doc_.m_bCompareIdle = 1;
    });
}

void CompareWorker::Paint(const std::vector<orvel::BatchedRun>& runs) {
    PaintRuns(runs);
    if (!editsFound_ || outOfMemory_)
        return;
    std::vector<orvel::AlignedEdit> edits;
    for (const orvel::BatchedRun& item : runs) {
        const auto pane = item.target == 0 ? ComparedFile::kFirst : ComparedFile::kSecond;
        if (const auto edit = orvel::PlainRunEdit(item.run, pane, size1_, size2_))
            edits.push_back(*edit);
    }
    editsFound_(edits);
}

void CompareWorker::PaintEdits(const std::vector<orvel::AlignedEdit>& edits) {
    std::vector<orvel::BatchedRun> runs;
    for (const orvel::AlignedEdit& edit : edits) {
        for (const ComparedFile pane : {ComparedFile::kFirst, ComparedFile::kSecond}) {
            if (const auto run = orvel::DiffPaintRun(edit, pane, colouring_))
                runs.push_back({*run, pane == ComparedFile::kFirst ? 0 : 1});
        }
    }
    PaintRuns(runs);
    if (editsFound_ && !outOfMemory_)
        editsFound_(edits);
}

void CompareWorker::PaintRuns(const std::vector<orvel::BatchedRun>& runs) {
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
