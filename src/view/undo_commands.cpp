#include "view/undo_commands.h"

#include "editing/block_kernels.h"
#include "ui/command_route.h"
#include "ui/wait_cursor.h"
#include "view/orvel_view.h"

namespace {

bool CanReplay(const orvel::EditHistory& history, Replay replay) {
    return replay == Replay::kUndo ? history.CanUndo() : history.CanRedo();
}

}  // namespace

void ReplayStep(COrvelView& view, Replay replay) {
    orvel::BinaryDocument& doc = view.data();
    if (!view.IsMarkIdle() || !CanReplay(doc.history(), replay))
        return;
    WaitCursor wait;
    const orvel::StepOutcome step = replay == Replay::kUndo ? doc.Undo() : doc.Redo();
    if (step.outcome != orvel::EditOutcome::kDone) {
        view.ReportOutcome(step.outcome);
        return;
    }
    view.SetSelection(orvel::SelectTouched(view.layout(), step.first, step.count));
}

void UpdateReplay(COrvelView& view, Replay replay, orvel::CommandState& state) {
    const orvel::EditHistory& history = view.data().history();
    state.enabled = CanReplay(history, replay);
    state.name = replay == Replay::kUndo ? history.UndoName() : history.RedoName();
}
