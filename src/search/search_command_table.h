#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId EditSearch{"EditSearch"};
// Find Next of the search panel (F3).
inline constexpr CommandId RepeatFind{"RepeatFind"};
inline constexpr CommandId FindPrevious{"FindPrevious"};
}  // namespace orvel::Cmd

namespace orvel {

// The search panel and its Find Next and Find Previous keys.
[[nodiscard]] std::span<const CommandInfo> SearchCommandTable();

}  // namespace orvel
