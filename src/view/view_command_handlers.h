#pragma once

#include <memory>
#include <vector>

#include "ui/command_target.h"

class COrvelView;

// The command handlers that other subsystems (editing, find, marking, export, undo)
// attach to each hex view. They come first in the view's link of the command
// route, in the order given, and live as long as the view.
[[nodiscard]] std::vector<std::unique_ptr<CommandTarget>> CreateViewCommandHandlers(
    COrvelView& view);
