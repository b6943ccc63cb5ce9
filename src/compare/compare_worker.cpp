#include "compare/compare_worker.h"

#include <QMetaObject>
#include <algorithm>
#include <limits>
#include <new>

#include "app/orvel_app.h"
#include "view/orvel_view.h"

using orvel::ComparedFile;
using orvel::Offset;

namespace {

// The scan asks its stop check before every differing byte: it reads the stop
// flag each time, but the clock (for sending a request that waited too long)
// only this often.
constexpr unsigned kAsksPerClockRead = 1024;

constexpr int kProgressIntervalMs = 200;

}  // namespace

CompareWorker::CompareWorker(orvel::CompareDocument& doc, QWidget* owner)
    : doc_(doc), owner_(owner) {
    progressTimer_.setInterval(kProgressIntervalMs);
    QObject::connect(&progressTimer_, &QTimer::timeout, [this] { ShowProgress(); });
}

CompareWorker::~CompareWorker() {
    End();
}

void CompareWorker::Start() {
    // A previous run is over (the document is idle); its thread has ended or
    // is about to.
    if (thread_.joinable())
        thread_.join();
    first_->ClearAllMarks();
    second_->ClearAllMarks();
    doc_.m_bComparing = 1;
    doc_.m_bCompareIdle = 0;
    outOfMemory_ = false;
    channel_ = std::make_unique<PaintChannel>(owner_.data());
    // The sizes are taken once, here; the arrays cannot change until the end.
    const auto first = doc_.file(ComparedFile::First).bytes().span();
    const auto second = doc_.file(ComparedFile::Second).bytes().span();
    total_ = static_cast<Offset>(std::max(first.size(), second.size()));
    done_ = 0;
    scanning_ = true;
    ShowProgress();
    progressTimer_.start();
    thread_ = std::thread(
        [this, first, second, channel = channel_.get()] { Work(first, second, *channel); });
}

void CompareWorker::End() {
    if (!thread_.joinable() && channel_ == nullptr)
        return;
    doc_.m_bComparing = 0;
    if (channel_)
        channel_->Cancel();
    if (thread_.joinable())
        thread_.join();
    channel_.reset();
    doc_.m_bCompareIdle = 1;
    ShowProgress();
}

void CompareWorker::Work(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                         PaintChannel& channel) {
    // The scan itself watches the stop flag, so that every run it found reaches
    // both panes; the batcher ends only when the channel is cancelled.
    orvel::RunBatcher batcher(
        [this, &channel](std::vector<orvel::BatchedRun>&& runs) {
            return channel.Run([this, runs = std::move(runs)] { Paint(runs); });
        },
        {});
    unsigned asks = 0;
    const auto stop = [this, &batcher, &asks] {
        return doc_.m_bComparing == 0 || (++asks % kAsksPerClockRead == 0 && batcher.StopNow());
    };
    const orvel::CompareResult result =
        orvel::CompareBytes(first, second, batcher.Sink(0), batcher.Sink(1), stop, &done_);
    const bool flushed = batcher.Flush();
    scanning_ = false;
    if (!result.finished || !flushed) {
        // Stopped (no summary) or ended by End, which is waiting for this thread.
        doc_.m_bCompareIdle = 1;
        return;
    }
    const QString summary = QString::fromStdString(orvel::CompareSummaryText(result));
    // The summary does not block the interface; the comparison is over when
    // the user closes it. A cancelled channel never shows it.
    channel.Run([this, summary] {
        ShowProgress();
        const QPointer<QWidget> owner = owner_;
        COrvelApp::instance()->prompts().Notify(owner_.data(), summary, [this, owner] {
            if (owner.isNull())
                return;
            doc_.m_bComparing = 0;
            doc_.m_bCompareIdle = 1;
        });
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
            [owner = owner_] {
                COrvelApp::instance()->prompts().Tell(
                    owner.data(), QString::fromUtf8(orvel::kCompareOutOfMemoryText));
            },
            Qt::QueuedConnection);
    }
    for (int pane = 0; pane < 2; ++pane) {
        if (low[pane] <= high[pane])
            panes[pane]->MarksChanged(low[pane], high[pane]);
    }
    ShowProgress();
}

void CompareWorker::ShowProgress() {
    if (!status_)
        return;
    if (scanning_ && channel_ != nullptr && !channel_->cancelled()) {
        status_(QString::fromStdString(orvel::CompareProgressText(done_, total_)));
        showingProgress_ = true;
        return;
    }
    progressTimer_.stop();
    if (showingProgress_)
        status_(QString());
    showingProgress_ = false;
}
