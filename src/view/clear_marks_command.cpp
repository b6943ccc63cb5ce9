#include "view/clear_marks_command.h"

#include "ui/wait_cursor.h"
#include "view/orvel_view.h"

using orvel::Cmd;

bool ClearMarksCommand::OnCommand(Cmd cmd) {
    if (cmd != Cmd::MarkClear)
        return false;
    WaitCursor wait;
    view_.ClearAllMarks();
    return true;
}

bool ClearMarksCommand::OnUpdateCommand(Cmd cmd, CommandState& state) {
    if (cmd != Cmd::MarkClear)
        return false;
    state.enabled = view_.IsMarkIdle();
    return true;
}
