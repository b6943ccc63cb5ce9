#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "compare/byte_aligner.h"
#include "compare/compare_document.h"
#include "compare/diff_list.h"
#include "jobs/background_job.h"
#include "marking/run_batcher.h"

class COrvelView;
class JobHost;
class ShellServices;

// The compare worker of one comparison window. Start (GUI thread) clears both
// panes' marks and runs the comparison as a background job; the job hands the
// runs of differences to the GUI thread in batched paint requests (each
// request applied whole, first and second pane in the order found). A
// finished comparison shows its summary without blocking; the comparison
// counts as running until the summary is closed. While the scan runs, the
// status bar tells how far it has got. The worker reads the two arrays without
// a lock: while it runs, every command that could change them is disabled and
// typing is dropped.
//
// When the panes' marks cannot get the memory they need, the comparison stops
// (no summary) and says so; the colours painted so far stay.
//
// Compare Aligned runs the same way, aligning the files before it compares
// them; it paints its edits in the aligned comparison's colours.
class CompareWorker {
  public:
    // Told on the GUI thread of every batch of differences as it is painted,
    // in offset order, as rows of a DiffList.
    using EditsFound = std::function<void(const std::vector<orvel::AlignedEdit>&)>;

    // `owner` owns the summary message; `jobs` shows the progress.
    CompareWorker(ShellServices& shell, orvel::CompareDocument& doc, QWidget* owner, JobHost* jobs);
    ~CompareWorker();  // End
    CompareWorker(const CompareWorker&) = delete;
    CompareWorker& operator=(const CompareWorker&) = delete;

    void setPanes(COrvelView* first, COrvelView* second) {
        first_ = first;
        second_ = second;
    }

    // How a comparison's scan ended (finished or stopped; never told when it
    // was ended at once): the plain comparison's result (none for Compare
    // Aligned), and what to tell the user besides: where a Compare Aligned
    // went byte for byte (else empty).
    struct ScanEnd {
        std::optional<orvel::CompareResult> plain;
        QString note;
    };
    void setEditsListener(EditsFound listener) { editsFound_ = std::move(listener); }
    // Told on the GUI thread, before the summary shows.
    void setScanEndListener(std::function<void(const ScanEnd&)> listener) {
        scanEnded_ = std::move(listener);
    }

    // Start Compare. Precondition: the document is idle.
    void Start();
    // Compare Aligned. Precondition: the document is idle.
    void StartAligned();
    // Stop Compare: the worker ends at its next offset, with no summary.
    void Stop() { doc_.m_bComparing = 0; }
    // Ends the worker at once (a waiting paint request is abandoned, the
    // summary never shows or goes away unanswered) and leaves the document
    // idle. When it returns, the worker no longer touches the document or the
    // panes. Does nothing when no comparison runs.
    void End();

  private:
    // Clears both panes and enters the running state.
    void Begin(orvel::DiffColouring colouring);
    // The job's work: the scan, on the job's thread.
    orvel::CompareResult Scan(JobContext& job, std::span<const std::uint8_t> first,
                              std::span<const std::uint8_t> second);
    orvel::AlignResult Align(JobContext& job, std::span<const std::uint8_t> first,
                             std::span<const std::uint8_t> second);
    // GUI thread: applies one request; out of memory, stops the comparison.
    void Paint(const std::vector<orvel::BatchedRun>& runs);
    void PaintEdits(const std::vector<orvel::AlignedEdit>& edits);
    // Paints `runs`, each for the pane its target names.
    void PaintRuns(const std::vector<orvel::BatchedRun>& runs);
    // GUI thread: the scan is over; a finished one shows its summary.
    void Finished(const orvel::CompareResult& result);
    void FinishedAligned(const orvel::AlignResult& result);
    // Shows `summary` without blocking; the comparison ends when it is closed.
    void ShowSummary(const QString& summary);

    ShellServices& shell_;
    orvel::CompareDocument& doc_;
    QPointer<QWidget> owner_;
    COrvelView* first_ = nullptr;
    COrvelView* second_ = nullptr;
    bool outOfMemory_ = false;  // GUI thread: this comparison could not paint
    orvel::DiffColouring colouring_ = orvel::DiffColouring::kPlain;
    orvel::Offset size1_ = 0;
    orvel::Offset size2_ = 0;
    EditsFound editsFound_;
    std::function<void(const ScanEnd&)> scanEnded_;
    BackgroundJob job_;
};
