#include "compare/compare_worker.h"

#include "app/orvel_app.h"
#include "view/orvel_view.h"

using orvel::ComparedFile;

CompareWorker::CompareWorker(orvel::CompareDocument& doc, QWidget* owner)
    : doc_(doc), owner_(owner) {}

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
    channel_ = std::make_unique<PaintChannel>(owner_.data());
    // The sizes are taken once, here; the arrays cannot change until the end.
    const auto first = doc_.file(ComparedFile::First).bytes().span();
    const auto second = doc_.file(ComparedFile::Second).bytes().span();
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
}

void CompareWorker::Work(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                         PaintChannel& channel) {
    const auto paintIn = [&channel](COrvelView* pane) {
        return [&channel, pane](const orvel::PaintRun& run) {
            return channel.Run([pane, run] {
                pane->marks().Paint(run);
                pane->MarksChanged(run.first, run.last);
            });
        };
    };
    const orvel::CompareResult result =
        orvel::CompareBytes(first, second, paintIn(first_), paintIn(second_),
                            [this] { return doc_.m_bComparing == 0; });
    if (!result.finished) {
        // Stopped (no summary) or ended by End, which is waiting for this thread.
        doc_.m_bCompareIdle = 1;
        return;
    }
    const QString summary = QString::fromStdString(orvel::CompareSummaryText(result));
    // The summary does not block the interface; the comparison is over when
    // the user closes it. A cancelled channel never shows it.
    channel.Run([this, summary] {
        const QPointer<QWidget> owner = owner_;
        COrvelApp::instance()->prompts().Notify(owner_.data(), summary, [this, owner] {
            if (owner.isNull())
                return;
            doc_.m_bComparing = 0;
            doc_.m_bCompareIdle = 1;
        });
    });
}
