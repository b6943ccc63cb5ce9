#pragma once

#include <span>
#include <string_view>

#include "ui/command_frame.h"
#include "ui/command_ids.h"

namespace orvel {

// One entry of a drop-down menu: a command with its text ("&" before the
// mnemonic, "\t" before the accelerator text), or a separator (Cmd::None).
struct MenuItem {
    Cmd cmd;
    std::string_view text;
};

struct Menu {
    std::string_view title;
    std::span<const MenuItem> items;
};

[[nodiscard]] std::span<const Menu> MenuBar(MenuBarKind kind);

// The text of the command's first menu item; empty for a command no menu has.
[[nodiscard]] std::string_view MenuTextOf(Cmd cmd);

// One key of the accelerator table, in QKeySequence's portable text form.
struct Accelerator {
    std::string_view keys;
    Cmd cmd;
};

[[nodiscard]] std::span<const Accelerator> Accelerators();

}  // namespace orvel
