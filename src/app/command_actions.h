#pragma once

#include <QIcon>
#include <functional>
#include <map>

#include "ui/command_registry.h"

class QAction;
class QToolBar;
class QWidget;

namespace orvel {
struct Toolbar;
}

// One action per command of the registry, shared by the menus, the toolbars
// and the keys: its text, prompt, tool tip and keys come from the command's
// row, and triggering it runs the command. GUI thread only.
class CommandActions {
  public:
    // The actions belong to `window`, and their keys work anywhere in it.
    // `run` runs a triggered command.
    CommandActions(const orvel::CommandRegistry& registry, QWidget& window,
                   std::function<void(orvel::CommandId)> run);

    // Null for an unknown command.
    [[nodiscard]] QAction* action(orvel::CommandId id) const;
    // A toolbar of `layout` with 16 x 15 pixel buttons; each button's action
    // gets its picture from `icon`.
    [[nodiscard]] QToolBar* MakeToolBar(const orvel::Toolbar& layout,
                                        QIcon (*icon)(orvel::CommandId)) const;
    // Sets every action's enabled and checked state, and the name in its text,
    // as the commands have them on `route`.
    void Update(const orvel::CommandRoute& route) const;

  private:
    const orvel::CommandRegistry& registry_;
    std::map<orvel::CommandId, QAction*> actions_;
};
