#pragma once

#include "ui/command_target.h"

class COrvelView;

// Undo and Redo on the bytes of one hex view (each file of a comparison has a
// history of its own): replays the latest step, then selects the bytes it
// touched and scrolls to them. The menu item names the step. Available while
// there is a step to replay and no marking run or comparison owns the document.
class UndoCommands final : public CommandTarget {
  public:
    explicit UndoCommands(COrvelView& view) : view_(view) {}

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  private:
    COrvelView& view_;
};
