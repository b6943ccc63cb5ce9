#pragma once

#include <span>

#include "ui/command_registry.h"

namespace orvel::Cmd {
inline constexpr CommandId FileSave{"FileSave"};
inline constexpr CommandId FileSaveAs{"FileSaveAs"};
}  // namespace orvel::Cmd

namespace orvel {

// The commands of a single-file document: Save and Save As.
[[nodiscard]] std::span<const CommandInfo> DocumentCommandTable();

}  // namespace orvel
