#include "search/search_command_table.h"

namespace orvel {
namespace {

constexpr CommandInfo kCommands[] = {
    {Cmd::EditSearch,
     "&Search...\tCtrl+Shift+F",
     "Search for bytes or text of any length, find all and replace",
     "Search",
     {"Ctrl+Shift+F"},
     Waits::kNever},
    {Cmd::RepeatFind,
     "Find &Next\tF3",
     "Find the next occurrence of the search panel's pattern",
     "Find Next",
     {"F3"},
     Waits::kWhileBusy},
    {Cmd::FindPrevious,
     "Find Pre&vious\tShift+F3",
     "Find the previous occurrence of the search panel's pattern",
     "Find Previous",
     {"Shift+F3"},
     Waits::kWhileBusy},
};

}  // namespace

std::span<const CommandInfo> SearchCommandTable() {
    return kCommands;
}

}  // namespace orvel
