#pragma once

#include "app/command_target.h"

class COrvelView;
class QWidget;

namespace orvel {
class DumpText;
}

// Export Hex Display Text: asks for a text file and writes the view's dump
// text into it. Available while no marking run owns the document.
class ExportCommand final : public CommandTarget {
  public:
    explicit ExportCommand(COrvelView& view) : view_(view) {}

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  private:
    COrvelView& view_;
};

// Asks for the target file (owned by `parent`) and writes `text` into it,
// showing progress in the main window's status bar when it takes a while.
// A cancelled dialog does nothing; a failure is reported to the user; a
// successful export says nothing.
void ExportDumpText(QWidget* parent, const orvel::DumpText& text);
