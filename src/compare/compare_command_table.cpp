#include "compare/compare_command_table.h"

namespace orvel {
namespace {

constexpr CommandInfo kCommands[] = {
    {Cmd::FileSaveFile1,
     "&Save File1",
     "Save the changes of file1",
     "Save File1",
     {},
     Waits::kWhileBusy},
    {Cmd::FileSaveFile1As,
     "Save File1 &As...",
     "Save the file1 with a new name",
     "Save File1 As",
     {},
     Waits::kWhileBusy},
    {Cmd::FileSaveFile2,
     "Sa&ve File2",
     "Save the changes of file2",
     "Save File2",
     {},
     Waits::kWhileBusy},
    {Cmd::FileSaveFile2As,
     "Save &File2 As...",
     "Save the file2 with a new name",
     "Save File2 As",
     {},
     Waits::kWhileBusy},
    {Cmd::OpStartCompare,
     "&Start Compare",
     "Start the process of comparing the two files",
     "Start Compare",
     {},
     Waits::kWhileBusy},
    {Cmd::OpStopCompare, "S&top Compare", "Stop the process of comparing the two files",
     "Stop Compare"},
    {Cmd::OpFindNextDiff,
     "Find &Next Diff",
     "Find next diffrent byte",
     "Find Next Different Byte",
     {},
     Waits::kWhileBusy},
    {Cmd::OpFindPrevDiff,
     "Find &Prev Diff",
     "Find previous different byte",
     "Find Previous Different Byte",
     {},
     Waits::kWhileBusy},
    // Only the comparison toolbar offers these two.
    {Cmd::OpFindFirstDiff,
     "Find First Diff",
     "Find first different byte",
     "Find First Different Byte",
     {},
     Waits::kWhileBusy},
    {Cmd::OpFindLastDiff,
     "Find Last Diff",
     "Find last different byte",
     "Find Last Different Byte",
     {},
     Waits::kWhileBusy},
    {Cmd::NextPane, "", "", "", {"F6"}},
    {Cmd::PrevPane, "", "", "", {"Shift+F6"}},
};

}  // namespace

std::span<const CommandInfo> CompareCommandTable() {
    return kCommands;
}

}  // namespace orvel
