#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the commands the main frame and the document windows carry out: New,
// Import, Compare, Close, Exit and the View, Window and Help menus.
void BindShellCommands(orvel::CommandRegistry& registry);
