#pragma once

namespace orvel {
class CommandRegistry;
}

// Binds Save and Save As to the active single-file document.
void BindDocumentCommands(orvel::CommandRegistry& registry);
