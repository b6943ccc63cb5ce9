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
inline constexpr CommandId OpCompareAligned{"OpCompareAligned"};
inline constexpr CommandId OpCopyToOtherFile{"OpCopyToOtherFile"};
inline constexpr CommandId ViewSyncPanes{"ViewSyncPanes"};
// Keys only: the other pane (F6, Shift+F6).
inline constexpr CommandId NextPane{"NextPane"};
inline constexpr CommandId PrevPane{"PrevPane"};
}  // namespace orvel::Cmd

namespace orvel {

// The commands of a comparison window: saving either file, starting and
// stopping the comparison (plain or aligned), the difference navigation,
// copying a run to the other file, synchronised scrolling and the pane keys.
[[nodiscard]] std::span<const CommandInfo> CompareCommandTable();

}  // namespace orvel
