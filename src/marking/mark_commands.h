#pragma once

#include <QObject>
#include <memory>

#include "jobs/background_job.h"
#include "marking/mark_dialogs.h"
#include "marking/marking_run.h"
#include "view/orvel_view.h"

namespace orvel {
struct CommandState;
}

// The Mark menu of a hex view: Mark Bytes, Mark Blocks, Mark Patterns, Mark
// Units and Clear Marks, with the settings the view remembers for each.
//
// A marking run owns the view's document (its marking state, which a
// comparison shares between its two panes) from the moment a Mark command is
// chosen (Running: m_bMarking 1, m_bMarkIdle 0, m_nMarkKind the kind) until it
// has really ended (Idle: 0, 1, 0). The command's dialog runs on the GUI thread
// while the document is already Running; Cancel returns to Idle. After OK the
// old marks are cleared if asked and a background job scans and paints.
// Choosing the running command again asks it to stop (Stopping: 0, 0, kind);
// the worker ends after the request it is in and the document is Idle again.
// While a run owns the document, only the running command is available (and
// checked); every other command of the window waits for the document to be
// idle (the view and document ask IsMarkIdle). Typing stays possible.
//
// When the marks cannot get the memory they need, the run stops and says so;
// what it painted stays.
//
// Closing the document's last window during a run asks whether to stop (the
// document's close guard); Yes ends the worker at once. A window closing while
// other windows of the document stay open ends its run without asking.
class MarkCommands final : public QObject, public ViewPart {
    Q_OBJECT
  public:
    // The kinds, as m_nMarkKind holds them.
    enum Kind { kNone = 0, kBytes = 1, kBlocks = 2, kPatterns = 3, kUnits = 4 };

    explicit MarkCommands(COrvelView& view);
    ~MarkCommands() override;

    // The Mark command of `kind`: starts a run while the document is idle;
    // while it runs, a stop request.
    void OnMark(Kind kind);
    // Only the running command is available, and checked.
    void UpdateMark(Kind kind, orvel::CommandState& state) const;

    // The remembered settings (initially those of a new view).
    orvel::MarkBytesSettings bytesSettings_;
    orvel::MarkBlocksSettings blocksSettings_;
    orvel::MarkUnitsSettings unitsSettings_;
    orvel::MarkPatternsSettings patternsSettings_;

  private:
    void StartRun(Kind kind);
    // Runs the kind's dialog; on OK stores the settings, clears what the
    // dialog asks and returns the passes to paint. False on Cancel.
    bool RunDialog(Kind kind, std::vector<MarkingPass>& passes);
    void ClearRange(orvel::Offset start, orvel::Offset end);
    [[nodiscard]] orvel::MarkBlock PresetBlock() const;
    // Applies a request of the worker; out of memory, it stops the run.
    void PaintRequest(const std::vector<orvel::BatchedRun>& runs);
    void TellOutOfMemory();
    // The end of a run (GUI thread): the document is Idle again. The commands'
    // states follow on the next update.
    void EndRun();
    void UpdateCommands();

    COrvelView& view_;
    BackgroundJob job_{nullptr};
    bool owning_ = false;       // this view started the run that owns the document
    bool outOfMemory_ = false;  // the current run ran out of memory
};
