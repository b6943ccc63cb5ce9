#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the four Mark commands to the active hex view.
void BindMarkCommands(orvel::CommandRegistry& registry);
