#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <span>
#include <thread>

#include "compare/compare_document.h"
#include "marking/paint_channel.h"

class COrvelView;

// The compare worker of one comparison window. Start (GUI thread) clears both
// panes' marks and runs the comparison on a thread of its own; the thread hands
// every run of differences to the GUI thread as paint requests (first pane,
// then second) and waits for each. A finished comparison shows its summary
// without blocking; the comparison counts as running until the summary is
// closed. The worker reads the two arrays without a lock: while it runs,
// every command that could change them is disabled and typing is dropped.
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

    orvel::CompareDocument& doc_;
    QPointer<QWidget> owner_;
    COrvelView* first_ = nullptr;
    COrvelView* second_ = nullptr;
    std::unique_ptr<PaintChannel> channel_;
    std::thread thread_;
};
