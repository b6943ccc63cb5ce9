#include "view/undo_commands.h"

#include "app/menu_tables.h"
#include "editing/block_kernels.h"
#include "ui/menu_entry.h"
#include "ui/wait_cursor.h"
#include "view/orvel_view.h"

using orvel::Cmd;

namespace {

bool CanReplay(const orvel::EditHistory& history, Cmd cmd) {
    return cmd == Cmd::EditUndo ? history.CanUndo() : history.CanRedo();
}

}  // namespace

bool UndoCommands::OnCommand(Cmd cmd) {
    if (cmd != Cmd::EditUndo && cmd != Cmd::EditRedo)
        return false;
    orvel::BinaryDocument& doc = view_.data();
    if (!view_.IsMarkIdle() || !CanReplay(doc.history(), cmd))
        return true;
    WaitCursor wait;
    const orvel::StepOutcome step = cmd == Cmd::EditUndo ? doc.Undo() : doc.Redo();
    if (step.outcome != orvel::EditOutcome::kDone) {
        view_.ReportOutcome(step.outcome);
        return true;
    }
    view_.SetSelection(orvel::SelectTouched(view_.layout(), step.first, step.count));
    return true;
}

bool UndoCommands::OnUpdateCommand(Cmd cmd, CommandState& state) {
    if (cmd != Cmd::EditUndo && cmd != Cmd::EditRedo)
        return false;
    const orvel::EditHistory& history = view_.data().history();
    state.enabled = view_.IsMarkIdle() && CanReplay(history, cmd);
    state.text = orvel::NamedMenuEntry(
        orvel::MenuTextOf(cmd), cmd == Cmd::EditUndo ? history.UndoName() : history.RedoName());
    return true;
}
