#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the commands of a comparison window to its document (Save File1 and
// File2), its frame (Start and Stop Compare, the pane keys) and its active
// pane (the difference navigation).
void BindCompareCommands(orvel::CommandRegistry& registry);
