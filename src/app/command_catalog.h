#pragma once

#include "app/shell_command_table.h"
#include "compare/compare_command_table.h"
#include "document/document_command_table.h"
#include "editing/edit_command_table.h"
#include "marking/mark_command_table.h"
#include "search/search_command_table.h"
#include "ui/command_registry.h"
#include "view/view_command_table.h"

namespace orvel {

// Adds every subsystem's table of commands to `registry`.
void AddCommandTables(CommandRegistry& registry);

}  // namespace orvel
