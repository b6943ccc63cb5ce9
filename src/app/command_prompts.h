#pragma once

#include <string_view>

#include "ui/command_ids.h"

namespace orvel {

// The string-table entry of a command: the prompt the status bar shows while
// its menu item or toolbar button is under the pointer, and the button's tool
// tip. Both are empty for a command that has none.
struct CommandPrompt {
    std::string_view prompt;
    std::string_view toolTip;
};

[[nodiscard]] CommandPrompt PromptOf(Cmd cmd);

// What the status bar's message pane shows while no prompt is up.
inline constexpr std::string_view kIdlePrompt = "For Help, press F1";

}  // namespace orvel
