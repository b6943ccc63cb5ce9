#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId MarkBytes{"MarkBytes"};
inline constexpr CommandId MarkBlocks{"MarkBlocks"};
inline constexpr CommandId MarkPatterns{"MarkPatterns"};
inline constexpr CommandId MarkUnits{"MarkUnits"};
}  // namespace orvel::Cmd

namespace orvel {

// The four marking commands of the Mark menu. They wait while a comparison
// owns the files, whose colours a run would clear or paint over.
[[nodiscard]] std::span<const CommandInfo> MarkCommandTable();

}  // namespace orvel
