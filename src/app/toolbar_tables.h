#pragma once

#include <span>
#include <string_view>

#include "ui/command_ids.h"

namespace orvel {

// A toolbar of the main window: its title, its resource id and its buttons in
// order, Cmd::None standing for a separator. Buttons are 16 x 15 pixels.
struct Toolbar {
    std::string_view title;
    int id;
    std::span<const Cmd> buttons;
};

// The "Main toolbar" and the "Mark Toolbar", left to right on one row.
[[nodiscard]] std::span<const Toolbar> Toolbars();

}  // namespace orvel
