#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId FileSaveFile1{"FileSaveFile1"};
inline constexpr CommandId FileSaveFile1As{"FileSaveFile1As"};
inline constexpr CommandId FileSaveFile2{"FileSaveFile2"};
inline constexpr CommandId FileSaveFile2As{"FileSaveFile2As"};
inline constexpr CommandId OpStartCompare{"OpStartCompare"};
inline constexpr CommandId OpStopCompare{"OpStopCompare"};
inline constexpr CommandId OpFindNextDiff{"OpFindNextDiff"};
inline constexpr CommandId OpFindPrevDiff{"OpFindPrevDiff"};
inline constexpr CommandId OpFindFirstDiff{"OpFindFirstDiff"};
inline constexpr CommandId OpFindLastDiff{"OpFindLastDiff"};
// Keys only: the other pane (F6, Shift+F6).
inline constexpr CommandId NextPane{"NextPane"};
inline constexpr CommandId PrevPane{"PrevPane"};
}  // namespace orvel::Cmd

namespace orvel {

// The commands of a comparison window: saving either file, starting and
// stopping the comparison, the difference navigation and the pane keys.
[[nodiscard]] std::span<const CommandInfo> CompareCommandTable();

}  // namespace orvel
