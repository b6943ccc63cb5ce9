#include "view/view_command_handlers.h"

#include "editing/edit_commands.h"
#include "editing/find_commands.h"
#include "marking/mark_commands.h"
#include "view/clear_marks_command.h"
#include "view/export_command.h"
#include "view/undo_commands.h"

std::vector<std::unique_ptr<CommandTarget>> CreateViewCommandHandlers(COrvelView& view) {
    std::vector<std::unique_ptr<CommandTarget>> handlers;
    handlers.push_back(std::make_unique<EditCommands>(view));
    handlers.push_back(std::make_unique<CFindCommands>(view));
    handlers.push_back(std::make_unique<CMarkCommands>(view));
    handlers.push_back(std::make_unique<ClearMarksCommand>(view));
    handlers.push_back(std::make_unique<ExportCommand>(view));
    handlers.push_back(std::make_unique<UndoCommands>(view));
    return handlers;
}
