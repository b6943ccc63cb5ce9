#include "marking/mark_command_handlers.h"

#include <utility>

#include "marking/mark_command_table.h"
#include "marking/mark_commands.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

void BindMarkCommands(orvel::CommandRegistry& registry) {
    constexpr std::pair<orvel::CommandId, CMarkCommands::Kind> kKinds[] = {
        {Cmd::MarkBytes, CMarkCommands::kBytes},
        {Cmd::MarkBlocks, CMarkCommands::kBlocks},
        {Cmd::MarkPatterns, CMarkCommands::kPatterns},
        {Cmd::MarkUnits, CMarkCommands::kUnits},
    };
    for (const auto& entry : kKinds) {
        const CMarkCommands::Kind kind = entry.second;
        registry.Bind(
            entry.first,
            On<COrvelView>([kind](COrvelView& view) { view.part<CMarkCommands>().OnMark(kind); },
                           [kind](COrvelView& view, orvel::CommandState& state) {
                               view.part<CMarkCommands>().UpdateMark(kind, state);
                           }));
    }
}
