#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the view's own commands (Export Hex Display Text, Print, Select All,
// Clear Marks, Undo and Redo) to the active hex view.
void BindViewCommands(orvel::CommandRegistry& registry);
