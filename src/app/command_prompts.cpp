#include "app/command_prompts.h"

#include <algorithm>
#include <iterator>

namespace orvel {
namespace {

struct PromptEntry {
    Cmd cmd;
    CommandPrompt text;
};

// The program's own commands carry the texts of its string table word for
// word (spelling included); the framework's commands get plain prompts.
constexpr PromptEntry kPrompts[] = {
    {Cmd::FileNew, {"Create a new document", "New"}},
    {Cmd::FileOpen, {"Open an existing document", "Open"}},
    {Cmd::FileCompare, {"Compare the structure of two files", "File Compare"}},
    {Cmd::FileImportHexText,
     {"Create a new binary file by importing the hex values text from a file",
      "Import Hex Values Text"}},
    {Cmd::FileExportHexText,
     {"Export the hex display text into a text file", "Export Hex Display Text"}},
    {Cmd::FileClose, {"Close the active document", "Close"}},
    {Cmd::FileSave, {"Save the active document", "Save"}},
    {Cmd::FileSaveAs, {"Save the active document with a new name", "Save As"}},
    {Cmd::FileSaveFile1, {"Save the changes of file1", "Save File1"}},
    {Cmd::FileSaveFile1As, {"Save the file1 with a new name", "Save File1 As"}},
    {Cmd::FileSaveFile2, {"Save the changes of file2", "Save File2"}},
    {Cmd::FileSaveFile2As, {"Save the file2 with a new name", "Save File2 As"}},
    {Cmd::FilePrint, {"Print the hex display of the active document", "Print"}},
    {Cmd::FilePrintSetup, {"Change the printer and printing options", "Print Setup"}},
    {Cmd::FileExit, {"Quit the application; asks to save documents", "Exit"}},
    {Cmd::EditFind, {"Find a sequence of one to four bytes", "Find"}},
    {Cmd::EditReplaceBytes,
     {"Replace the value of specified bytes with new value", "Replace Bytes"}},
    {Cmd::EditReverseSeq, {"Reverse the address sequence of the selected bytes", "Reverse Seq"}},
    {Cmd::EditCutBytes, {"Cut the selected bytes and put it into the global buffer", "Cut Bytes"}},
    {Cmd::EditCopyBytes, {"Copy the bytes into the global buffer", "Copy Bytes"}},
    {Cmd::EditPasteBytes,
     {"Paste the bytes from the global buffer into the specified address", "Paste Bytes"}},
    {Cmd::EditDeleteBytes, {"Delete the selected bytes", "Delete Bytes"}},
    {Cmd::EditInsertBytes, {"Insert bytes at the specified address", "Insert Bytes"}},
    {Cmd::EditSelectBytes,
     {"Select and highlight the bytes within the specified address range", "Select Bytes"}},
    {Cmd::EditGoTo, {"Go to hightlight the byte at specified address", "Go To"}},
    {Cmd::EditSelectAll, {"Select the whole hex display", "Select All"}},
    {Cmd::EditUndo, {"Undo the last action", "Undo"}},
    {Cmd::EditRedo, {"Redo the previously undone action", "Redo"}},
    {Cmd::OpBitwiseShift,
     {"Apply bitwise shift operation to each byte separately within the specified block",
      "Bitwise Shift"}},
    {Cmd::OpBitwiseMask,
     {"Apply the bitwise mask operation to each byte separately within the specified block",
      "Bitwise Mask"}},
    {Cmd::OpOnesComplement,
     {"Apply the 1's complement operation to each byte separately within the specified block",
      "1's Complement"}},
    {Cmd::OpTwosComplement,
     {"Apply the 2's complement operation to each byte separately within the specified block",
      "2's Complement"}},
    {Cmd::OpStartCompare, {"Start the process of comparing the two files", "Start Compare"}},
    {Cmd::OpStopCompare, {"Stop the process of comparing the two files", "Stop Compare"}},
    {Cmd::OpFindNextDiff, {"Find next diffrent byte", "Find Next Different Byte"}},
    {Cmd::OpFindPrevDiff, {"Find previous different byte", "Find Previous Different Byte"}},
    {Cmd::OpFindFirstDiff, {"Find the first different byte", "Find First Different Byte"}},
    {Cmd::OpFindLastDiff, {"Find the last different byte", "Find Last Different Byte"}},
    {Cmd::MarkBytes, {"Mark the specified bytes with specified colors", "Mark Bytes"}},
    {Cmd::MarkBlocks, {"Mark the specified blocks of bytes with specified colors", "Mark Blocks"}},
    {Cmd::MarkPatterns,
     {"Mark the bytes of specified patterns with specified colors", "Mark Patterns"}},
    {Cmd::MarkUnits, {"Mark bytes in units with specified colors", "Mark Units"}},
    {Cmd::MarkClear, {"Clear all the color marks", "Clear Marks"}},
    {Cmd::ViewToolbar, {"Show or hide the toolbar", "Toggle Toolbar"}},
    {Cmd::ViewStatusBar, {"Show or hide the status bar", "Toggle Status Bar"}},
    {Cmd::WindowNew, {"Open another window for the active document", "New Window"}},
    {Cmd::WindowCascade, {"Arrange the windows so they overlap", "Cascade Windows"}},
    {Cmd::WindowTile, {"Arrange the windows as tiles that do not overlap", "Tile Windows"}},
    {Cmd::WindowArrange, {"Arrange the icons at the bottom of the window", "Arrange Icons"}},
    {Cmd::HelpTopics, {"List the commands and keys of the program", "Help Topics"}},
    {Cmd::HelpContext, {"List the commands and keys of the program", "Help"}},
    {Cmd::HelpAbout, {"Show the program's version", "About"}},
    {Cmd::HelpAsciiTable,
     {"Show the table of the ASCII codes 0 to 127 in binary, decimal and hex", "ASCII Table"}},
    {Cmd::HelpNotationConvert,
     {"Convert numbers between hex, decimal and binary notation", "Notation Convert"}},
};

}  // namespace

CommandPrompt PromptOf(Cmd cmd) {
    const auto* it = std::find_if(std::begin(kPrompts), std::end(kPrompts),
                                  [cmd](const PromptEntry& entry) { return entry.cmd == cmd; });
    return it == std::end(kPrompts) ? CommandPrompt{} : it->text;
}

}  // namespace orvel
