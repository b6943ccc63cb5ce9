#pragma once

#include <string>

#include "ui/command_ids.h"

// The state an update handler gives a command's menu item and button.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // The item's text when it names what the command acts on; empty keeps it.
    std::string text;
};

// A link of the command route: the active view, its document, its child
// frame, the main frame, the application. A command goes to the first link
// that handles it; so does its update handler, independently.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    // Runs the command; false when this link does not handle it.
    virtual bool OnCommand(orvel::Cmd) { return false; }
    // Sets the command's state; false when this link does not handle it.
    virtual bool OnUpdateCommand(orvel::Cmd, CommandState&) { return false; }
};
