#include "search/search_command_handlers.h"

#include "search/search_command_table.h"
#include "search/search_commands.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

namespace {

// The comparison panes have no window to dock the panel in.
void EnableWhereDocked(COrvelView& view, orvel::CommandState& state) {
    state.enabled = SearchCommands::CanHost(view);
}

}  // namespace

void BindSearchCommands(orvel::CommandRegistry& registry) {
    registry.Bind(Cmd::EditSearch,
                  On<COrvelView>([](COrvelView& view) { view.part<SearchCommands>().OpenPanel(); },
                                 EnableWhereDocked));
    registry.Bind(Cmd::RepeatFind,
                  On<COrvelView>([](COrvelView& view) { view.part<SearchCommands>().FindNext(); },
                                 EnableWhereDocked));
    registry.Bind(
        Cmd::FindPrevious,
        On<COrvelView>([](COrvelView& view) { view.part<SearchCommands>().FindPrevious(); },
                       EnableWhereDocked));
}
