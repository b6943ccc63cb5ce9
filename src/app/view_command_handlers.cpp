#include "view/view_command_handlers.h"

#include "editing/edit_commands.h"

std::vector<std::unique_ptr<CommandTarget>> CreateViewCommandHandlers(COrvelView& view) {
    std::vector<std::unique_ptr<CommandTarget>> handlers;
    handlers.push_back(std::make_unique<EditCommands>(view));
    return handlers;
}
