#pragma once

#include "ui/command_route.h"

class CloseGuard;

namespace orvel {

// The menu bar the main frame shows for the active window.
enum class MenuBarKind {
    kNoDocument,  // shown while no document window is open; the same as Comparison
    kSingleFile,
    kComparison,
};

}  // namespace orvel

// A document window in the main frame's client area. The main frame asks the
// active one for the first links of the command route (its active view, then
// its document, then the window itself) and for the menu bar to show, and
// every one for its document's close guard before it closes them all.
class CommandFrame : public orvel::CommandTarget {
  public:
    [[nodiscard]] virtual orvel::CommandTarget* activeViewTarget() const = 0;
    [[nodiscard]] virtual orvel::DocumentTarget* documentTarget() const = 0;
    [[nodiscard]] virtual orvel::MenuBarKind menuKind() const = 0;
    [[nodiscard]] virtual CloseGuard& closeGuard() const = 0;
};
