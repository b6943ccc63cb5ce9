#include "view/view_command_table.h"

namespace orvel {
namespace {

constexpr CommandInfo kCommands[] = {
    {Cmd::FileExportHexText,
     "E&xport Hex Display Text...",
     "Export the hex display text into a text file",
     "Export Hex Display Text",
     {},
     Waits::kWhileBusy},
    {Cmd::FilePrint,
     "&Print...\tCtrl+P",
     "Print the hex display of the active document",
     "Print",
     {"Ctrl+P"},
     Waits::kWhileBusy},
    {Cmd::EditSelectAll, "", "Select the whole hex display", "Select All", {"Ctrl+A"}},
    {Cmd::MarkClear,
     "&Clear Marks\tCtrl+M",
     "Clear all the color marks",
     "Clear Marks",
     {"Ctrl+M"},
     Waits::kWhileBusy},
    // The menu items name the step they replay (see CommandState::name).
    {Cmd::EditUndo,
     "&Undo\tCtrl+Z",
     "Undo the last action",
     "Undo",
     {"Ctrl+Z", "Alt+Backspace"},
     Waits::kWhileBusy},
    {Cmd::EditRedo,
     "&Redo\tCtrl+Y",
     "Redo the previously undone action",
     "Redo",
     {"Ctrl+Y", "Ctrl+Shift+Z"},
     Waits::kWhileBusy},
};

}  // namespace

std::span<const CommandInfo> ViewCommandTable() {
    return kCommands;
}

}  // namespace orvel
