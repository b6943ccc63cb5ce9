#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <span>
#include <string_view>

#include "ui/command_id.h"
#include "ui/command_route.h"

namespace orvel {

// When a command waits, whatever its handler says: never, while a comparison
// owns the active document, while a marking run or a comparison does, or while
// any worker does (its background job too).
enum class Waits { kNever, kWhileComparing, kWhileMarkingOrComparing, kWhileBusy };

// The data of one command, a row of its subsystem's table.
struct CommandInfo {
    CommandId id;
    // The menu item ("&" before the mnemonic, "\t" before the key text); the
    // button text of a command only a toolbar offers; empty for keys only.
    std::string_view menuText;
    // The status-bar prompt and the button's tool tip; either may be empty.
    std::string_view prompt;
    std::string_view toolTip;
    // The accelerator keys, in QKeySequence's portable text form.
    std::array<std::string_view, 2> keys{};
    Waits waits = Waits::kNever;
    // Shown with a check box from the start (a running Mark command shows
    // checked without one).
    bool checkable = false;
};

// How a command runs and updates. Each function returns false when no link
// of the route takes the command.
struct CommandHandler {
    std::function<bool(const CommandRoute&)> run;
    std::function<bool(const CommandRoute&, CommandState&)> update;
};

// The first link of the route that is a Link, or null.
template <class Link>
[[nodiscard]] Link* FindLink(const CommandRoute& route) {
    for (CommandTarget* target : route) {
        if (auto* link = dynamic_cast<Link*>(target))
            return link;
    }
    return nullptr;
}

// A handler on the first link of type Link. Without `update` the command is
// enabled whenever the route has such a link.
template <class Link>
[[nodiscard]] CommandHandler On(std::function<void(Link&)> run,
                                std::function<void(Link&, CommandState&)> update = {}) {
    return {[run = std::move(run)](const CommandRoute& route) {
                Link* link = FindLink<Link>(route);
                if (link != nullptr)
                    run(*link);
                return link != nullptr;
            },
            [update = std::move(update)](const CommandRoute& route, CommandState& state) {
                Link* link = FindLink<Link>(route);
                if (link != nullptr && update)
                    update(*link, state);
                return link != nullptr;
            }};
}

// Every command, one row each: its data and its handler. The subsystems add
// their tables and bind their handlers at start-up; menus, toolbars, keys and
// help are built from the rows, and commands run and update through it.
class CommandRegistry {
  public:
    struct Row {
        CommandInfo info;
        CommandHandler handler;  // empty: the command is never available
    };

    // Appends the rows of a table in order. Throws std::logic_error when an
    // id is taken already.
    void Add(std::span<const CommandInfo> table);
    // Gives the row of `id` its handler. Throws std::logic_error when there is
    // no such row or it has a handler already.
    void Bind(CommandId id, CommandHandler handler);

    // Null for an unknown id.
    [[nodiscard]] const Row* Find(CommandId id) const;
    // In the order added.
    [[nodiscard]] const std::deque<Row>& rows() const { return rows_; }

    // The command's state on `route`: disabled (and unchecked) while it waits,
    // when it has no handler and when no link takes it (then unnamed too).
    [[nodiscard]] CommandState State(CommandId id, const CommandRoute& route) const;
    // Runs the command on `route` when its state there is enabled; false when
    // nothing ran.
    bool Run(CommandId id, const CommandRoute& route) const;

  private:
    std::deque<Row> rows_;
    std::map<CommandId, Row*> index_;
};

}  // namespace orvel
