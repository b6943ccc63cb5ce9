#include "marking/mark_command_handlers.h"

#include <utility>

#include "marking/mark_command_table.h"
#include "marking/mark_commands.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

void BindMarkCommands(orvel::CommandRegistry& registry) {
    constexpr std::pair<orvel::CommandId, MarkCommands::Kind> kKinds[] = {
        {Cmd::MarkBytes, MarkCommands::kBytes},
        {Cmd::MarkBlocks, MarkCommands::kBlocks},
        {Cmd::MarkPatterns, MarkCommands::kPatterns},
        {Cmd::MarkUnits, MarkCommands::kUnits},
    };
    for (const auto& entry : kKinds) {
        const MarkCommands::Kind kind = entry.second;
        registry.Bind(
            entry.first,
            On<COrvelView>([kind](COrvelView& view) { view.part<MarkCommands>().OnMark(kind); },
                           [kind](COrvelView& view, orvel::CommandState& state) {
                               view.part<MarkCommands>().UpdateMark(kind, state);
                           }));
    }
}
