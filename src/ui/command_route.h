#pragma once

#include <string>
#include <vector>

namespace orvel {

// The state an update gives a command's menu item, button and keys.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // What the command acts on, named in its menu item after the text ("Typing"
    // makes "&Undo\tCtrl+Z" "&Undo Typing\tCtrl+Z"); empty for the plain text.
    std::string name;
};

// A link of the command route: the active view, its document, its window, the
// main frame, the application. A command runs on the first link of the type
// its handler names (see CommandRegistry).
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
};

// The document link. The commands that wait while a worker owns the document
// ask it.
class DocumentTarget : public CommandTarget {
  public:
    // True while any worker owns the document: a marking run, a comparison or
    // its background job (open, save, export).
    [[nodiscard]] virtual bool IsBusy() const = 0;
    // True while a marking run or a comparison owns it (its job aside).
    [[nodiscard]] virtual bool IsMarkingOrComparing() const = 0;
    // True while a comparison owns it: running, stopping or showing its summary.
    [[nodiscard]] virtual bool IsComparing() const = 0;
};

// The links, the one asked first at the front.
using CommandRoute = std::vector<CommandTarget*>;

}  // namespace orvel
