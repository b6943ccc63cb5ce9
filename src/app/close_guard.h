#pragma once

#include <functional>

#include "document/marking_state.h"

class QWidget;

// The close guard of a document, in two steps, so that the main frame can ask
// every document its questions before it closes any window (File Exit):
// QueryClose asks and may refuse; CommitClose then ends the document's workers,
// and its windows close without asking again. A window that closes on its own
// takes both steps at once (SaveModified). GUI thread only.
class CloseGuard {
  public:
    virtual ~CloseGuard() = default;

    // Asks the document's questions now, in order; a Yes to saving saves at
    // once. False when the user refused or a save failed: nothing is ended and
    // the windows must stay (a file saved meanwhile simply stays saved).
    [[nodiscard]] virtual bool QueryClose() = 0;
    // After QueryClose agreed: ends the document's workers at once; from then
    // on its windows close without a question.
    void CommitClose();
    // Both steps; false when the window must stay open.
    [[nodiscard]] bool SaveModified();

    // Set by the marking run that owns the document: ends it at once (the
    // ender removes itself). Empty while no run owns the document.
    void setMarkingEnder(std::function<void()> ender) { endMarking_ = std::move(ender); }

  protected:
    // The marking question while a run is Running (none while it stops);
    // false when the user answered No.
    [[nodiscard]] static bool AskStopMarking(const orvel::MarkingState& state, QWidget* parent);
    // Ends a marking run that owns the document and leaves `state` Idle.
    void EndMarking(orvel::MarkingState& state);
    // Ends every worker of the document at once and leaves it idle.
    virtual void EndWorkers() = 0;

  private:
    std::function<void()> endMarking_;
    bool closing_ = false;
};
