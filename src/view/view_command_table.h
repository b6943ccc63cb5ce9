#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId FileExportHexText{"FileExportHexText"};
inline constexpr CommandId FilePrint{"FilePrint"};
inline constexpr CommandId EditSelectAll{"EditSelectAll"};
inline constexpr CommandId MarkClear{"MarkClear"};
inline constexpr CommandId EditUndo{"EditUndo"};
inline constexpr CommandId EditRedo{"EditRedo"};
}  // namespace orvel::Cmd

namespace orvel {

// The commands of a hex view itself: Export Hex Display Text, Print, Select
// All, Clear Marks, Undo and Redo.
[[nodiscard]] std::span<const CommandInfo> ViewCommandTable();

}  // namespace orvel
