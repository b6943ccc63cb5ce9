#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds the search panel and its Find Next and Find Previous to the active hex view.
void BindSearchCommands(orvel::CommandRegistry& registry);
