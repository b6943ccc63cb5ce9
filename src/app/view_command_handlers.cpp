#include "view/view_command_handlers.h"

#include "editing/find_commands.h"
#include "marking/mark_commands.h"

std::vector<std::unique_ptr<CommandTarget>> CreateViewCommandHandlers(COrvelView& view) {
    std::vector<std::unique_ptr<CommandTarget>> handlers;
    handlers.push_back(std::make_unique<CFindCommands>(view));
    handlers.push_back(std::make_unique<CMarkCommands>(view));
    return handlers;
}
