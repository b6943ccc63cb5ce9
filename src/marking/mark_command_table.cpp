#include "marking/mark_command_table.h"

namespace orvel {
namespace {

constexpr CommandInfo kCommands[] = {
    {Cmd::MarkBytes,
     "Mark &Bytes...",
     "Mark the specified bytes with specified colors",
     "Mark Bytes",
     {},
     Waits::kWhileComparing},
    {Cmd::MarkBlocks,
     "Mark Bloc&ks...",
     "Mark the specified blocks of bytes with specified colors",
     "Mark Blocks",
     {},
     Waits::kWhileComparing},
    {Cmd::MarkPatterns,
     "Mark &Patterns...",
     "Mark the bytes of specified patterns with specified colors",
     "Mark Patterns",
     {},
     Waits::kWhileComparing},
    {Cmd::MarkUnits,
     "Mark &Units...",
     "Mark bytes in units with specified colors",
     "Mark Units",
     {},
     Waits::kWhileComparing},
};

}  // namespace

std::span<const CommandInfo> MarkCommandTable() {
    return kCommands;
}

}  // namespace orvel
