#include "app/command_catalog.h"

namespace orvel {

void AddCommandTables(CommandRegistry& registry) {
    registry.Add(ShellCommandTable());
    registry.Add(DocumentCommandTable());
    registry.Add(ViewCommandTable());
    registry.Add(EditCommandTable());
    registry.Add(SearchCommandTable());
    registry.Add(MarkCommandTable());
    registry.Add(CompareCommandTable());
}

}  // namespace orvel
