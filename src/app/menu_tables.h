#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ui/command_frame.h"
#include "ui/command_registry.h"

namespace orvel::Cmd {
// Places of a menu or toolbar layout that are no command: a separator, and
// the place of the recent-file list in the File menu.
inline constexpr CommandId None{};
inline constexpr CommandId FileRecent{"FileRecent"};
}  // namespace orvel::Cmd

namespace orvel {

// A drop-down menu: its title and its entries in order. The texts of the
// entries are their commands' menu texts.
struct Menu {
    std::string_view title;
    std::span<const CommandId> items;
};

[[nodiscard]] std::span<const Menu> MenuBar(MenuBarKind kind);

// One key of the accelerator table, in QKeySequence's portable text form.
struct Accelerator {
    std::string_view keys;
    CommandId cmd;
};

// Every key of the registry's commands, in the order the accelerator table has
// always listed them (the help window shows them so); keys of commands it
// does not list follow in the registry's order.
[[nodiscard]] std::vector<Accelerator> Accelerators(const CommandRegistry& registry);

}  // namespace orvel
