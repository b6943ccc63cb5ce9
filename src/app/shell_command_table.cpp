#include "app/shell_command_table.h"

namespace orvel {
namespace {

// The program's own commands carry the texts of its string table word for
// word; the framework's commands get plain prompts. The commands that open
// windows or set up the printer wait while a marking run or a comparison owns
// the active document; its file job (a save, an export) leaves them free.
constexpr CommandInfo kCommands[] = {
    {Cmd::FileNew,
     "&New\tCtrl+N",
     "Create a new document",
     "New",
     {"Ctrl+N"},
     Waits::kWhileMarkingOrComparing},
    {Cmd::FileOpen,
     "&Open...\tCtrl+O",
     "Open an existing document",
     "Open",
     {"Ctrl+O"},
     Waits::kWhileMarkingOrComparing},
    {Cmd::FileCompare,
     "Co&mpare...",
     "Compare the structure of two files",
     "File Compare",
     {},
     Waits::kWhileMarkingOrComparing},
    {Cmd::FileImportHexText,
     "&Import Hex Values Text...",
     "Create a new binary file by importing the hex values text from a file",
     "Import Hex Values Text",
     {},
     Waits::kWhileMarkingOrComparing},
    {Cmd::FileClose, "&Close", "Close the active document", "Close"},
    {Cmd::FilePrintSetup,
     "P&rint Setup...",
     "Change the printer and printing options",
     "Print Setup",
     {},
     Waits::kWhileMarkingOrComparing},
    {Cmd::FileExit, "E&xit", "Quit the application; asks to save documents", "Exit"},
    {Cmd::ViewToolbar, "&Toolbar", "Show or hide the toolbar", "Toggle Toolbar"},
    {Cmd::ViewStatusBar,
     "&Status Bar",
     "Show or hide the status bar",
     "Toggle Status Bar",
     {},
     Waits::kNever,
     true},
    {Cmd::WindowNew, "&New Window", "Open another window for the active document", "New Window"},
    {Cmd::WindowCascade, "&Cascade", "Arrange the windows so they overlap", "Cascade Windows"},
    {Cmd::WindowTile, "&Tile", "Arrange the windows as tiles that do not overlap", "Tile Windows"},
    {Cmd::WindowArrange, "&Arrange Icons", "Arrange the icons at the bottom of the window",
     "Arrange Icons"},
    {Cmd::HelpTopics,
     "&Help Topics",
     "List the commands and keys of the program",
     "Help Topics",
     {"F1"}},
    {Cmd::HelpContext, "", "List the commands and keys of the program", "Help", {"Shift+F1"}},
    {Cmd::HelpAbout, "&About Orvel...", "Show the program's version", "About"},
    {Cmd::HelpAsciiTable, "ASCII Table...",
     "Show the table of the ASCII codes 0 to 127 in binary, decimal and hex", "ASCII Table"},
    {Cmd::HelpNotationConvert, "Notation Convert...",
     "Convert numbers between hex, decimal and binary notation", "Notation Convert"},
    {Cmd::ObjectProperties, "", "", "", {"Alt+Return"}},
    {Cmd::Escape, "", "", "", {"Esc"}},
};

}  // namespace

std::span<const CommandInfo> ShellCommandTable() {
    return kCommands;
}

}  // namespace orvel
