#pragma once

#include "app/command_target.h"
#include "app/menu_tables.h"

class CloseGuard;

// A document window in the main frame's client area. The main frame asks the
// active one for the first links of the command route (its active view, then
// its document, then the window itself) and for the menu bar to show, and
// every one for its document's close guard before it closes them all.
class CommandFrame : public CommandTarget {
  public:
    [[nodiscard]] virtual CommandTarget* activeViewTarget() const = 0;
    [[nodiscard]] virtual CommandTarget* documentTarget() const = 0;
    [[nodiscard]] virtual orvel::MenuBarKind menuKind() const = 0;
    [[nodiscard]] virtual CloseGuard& closeGuard() const = 0;
};
