#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "compare/compare_document.h"
#include "marking/paint_channel.h"
#include "marking/run_batcher.h"

class COrvelView;

// The compare worker of one comparison window. Start (GUI thread) clears both
// panes' marks and runs the comparison on a thread of its own; the thread hands
// the runs of differences to the GUI thread in batched paint requests (each
// request applied whole, first and second pane in the order found) and waits
// for each. A finished comparison shows its summary without blocking; the
// comparison counts as running until the summary is closed. While the scan
// runs, the status text tells how far it has got. The worker reads the two
// arrays without a lock: while it runs, every command that could change them
// is disabled and typing is dropped.
//
// When the panes' marks cannot get the memory they need, the comparison stops
// (no summary) and says so; the colours painted so far stay.
class CompareWorker {
  public:
    // `owner` runs the paint requests and owns the summary message.
    CompareWorker(orvel::CompareDocument& doc, QWidget* owner);
    ~CompareWorker();
    CompareWorker(const CompareWorker&) = delete;
    CompareWorker& operator=(const CompareWorker&) = delete;

    void setPanes(COrvelView* first, COrvelView* second) {
        first_ = first;
        second_ = second;
    }
    // Shows the progress text while the scan runs (GUI thread); an empty text
    // takes it away.
    void setStatusSink(std::function<void(const QString&)> status) { status_ = std::move(status); }

    // Start Compare. Precondition: the document is idle.
    void Start();
    // Stop Compare: the worker ends at its next offset, with no summary.
    void Stop() { doc_.m_bComparing = 0; }
    // Ends the worker at once (a waiting paint request is abandoned, the
    // summary never shows or goes away unanswered) and leaves the document
    // idle. When it returns, the worker no longer touches the document or the
    // panes. Does nothing when no worker was started.
    void End();

  private:
    void Work(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
              PaintChannel& channel);
    // GUI thread: applies one request; out of memory, stops the comparison.
    void Paint(const std::vector<orvel::BatchedRun>& runs);
    // GUI thread: the progress text while the scan runs, none after it.
    void ShowProgress();

    orvel::CompareDocument& doc_;
    QPointer<QWidget> owner_;
    COrvelView* first_ = nullptr;
    COrvelView* second_ = nullptr;
    std::function<void(const QString&)> status_;
    QTimer progressTimer_;
    std::atomic<orvel::Offset> done_{0};
    orvel::Offset total_ = 0;
    std::atomic<bool> scanning_{false};
    bool showingProgress_ = false;
    bool outOfMemory_ = false;  // GUI thread: this comparison could not paint
    std::unique_ptr<PaintChannel> channel_;
    std::thread thread_;
};
