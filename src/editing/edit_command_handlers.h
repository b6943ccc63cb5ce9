#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the block commands and Find to the active hex view.
void BindEditCommands(orvel::CommandRegistry& registry);
