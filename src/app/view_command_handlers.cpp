#include "view/view_command_handlers.h"

std::vector<std::unique_ptr<CommandTarget>> CreateViewCommandHandlers(COrvelView&) {
    std::vector<std::unique_ptr<CommandTarget>> handlers;
    return handlers;
}
