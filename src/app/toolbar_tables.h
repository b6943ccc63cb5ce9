#pragma once

#include <span>
#include <string_view>

#include "ui/command_id.h"

namespace orvel {

// A toolbar: its title, its resource id (0 for none) and its buttons in order,
// Cmd::None standing for a separator. Buttons are 16 x 15 pixels.
struct Toolbar {
    std::string_view title;
    int id;
    std::span<const CommandId> buttons;
};

// The "Main toolbar" and the "Mark Toolbar", left to right on one row.
[[nodiscard]] std::span<const Toolbar> Toolbars();

// The "Compare Files" toolbar of a comparison window.
[[nodiscard]] const Toolbar& CompareToolbar();

}  // namespace orvel
