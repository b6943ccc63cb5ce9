#pragma once

#include <functional>

#include "document/marking_state.h"

class DocumentJob;
class QWidget;
class UserPrompts;

// The close guard of a document, in two steps, so that the main frame can ask
// every document its questions before it closes any window (File Exit):
// QueryClose asks and may refuse; CommitClose then ends the document's workers,
// and its windows close without asking again. A window that closes on its own
// takes both steps at once (SaveModified). GUI thread only.
class CloseGuard {
  public:
    virtual ~CloseGuard() = default;

    // Asks the document's questions now, in order; a Yes to saving saves at
    // once and waits for the save. False when the user refused or a save
    // failed: nothing is ended and the windows must stay (a file saved
    // meanwhile simply stays saved). Also false, at once, while the document
    // is still asking (it may wait for a save, and the windows paint meanwhile).
    [[nodiscard]] bool QueryClose();
    // After QueryClose agreed: ends the document's workers at once; from then
    // on its windows close without a question.
    void CommitClose();
    // Both steps; false when the window must stay open.
    [[nodiscard]] bool SaveModified();

    // Set by the marking run that owns the document: ends it at once (the
    // ender removes itself). Empty while no run owns the document.
    void setMarkingEnder(std::function<void()> ender) { endMarking_ = std::move(ender); }

  protected:
    // The document's questions (see QueryClose).
    [[nodiscard]] virtual bool AskBeforeClose() = 0;
    // The marking question while a run is Running (none while it stops);
    // false when the user answered No.
    [[nodiscard]] static bool AskStopMarking(UserPrompts& prompts, const orvel::MarkingState& state,
                                             QWidget* parent);
    // The document's job: closing waits for a save to end; an export asks
    // whether to stop it (false when the user answered No; Yes stops it).
    [[nodiscard]] bool AskAboutJob(UserPrompts& prompts, DocumentJob& job, QWidget* parent);
    // Closing waits for a save of the document (its own, or one running): the
    // runs the user agreed to stop end first, so that nothing of them happens
    // meanwhile; the windows keep painting.
    void WaitForSave(DocumentJob& job, QWidget* parent);
    // Ends a marking run that owns the document and leaves `state` Idle.
    void EndMarking(orvel::MarkingState& state);
    // Ends the document's job at once, but lets a save finish (it may have
    // started after the questions).
    void EndJob(DocumentJob& job, QWidget* parent);
    // Ends the document's marking and comparison runs at once and leaves it idle.
    virtual void EndRuns() = 0;
    // Ends every worker of the document at once (its runs, then its job).
    virtual void EndWorkers() = 0;

  private:
    std::function<void()> endMarking_;
    bool asking_ = false;
    bool closing_ = false;
};
