#pragma once

#include "ui/command_target.h"

class COrvelView;

// Clear Marks: drops every colour mark of its view. The bytes, and so the
// document's modified state, stay as they are. Available while no marking
// run owns the document.
class ClearMarksCommand final : public CommandTarget {
  public:
    explicit ClearMarksCommand(COrvelView& view) : view_(view) {}

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  private:
    COrvelView& view_;
};
