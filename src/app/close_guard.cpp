#include "app/close_guard.h"

#include "app/orvel_app.h"

void CloseGuard::CommitClose() {
    EndWorkers();
    closing_ = true;
}

bool CloseGuard::SaveModified() {
    if (closing_)
        return true;
    if (!QueryClose())
        return false;
    CommitClose();
    return true;
}

bool CloseGuard::AskStopMarking(const orvel::MarkingState& state, QWidget* parent) {
    if (state.m_bMarking != 1)
        return true;
    return COrvelApp::instance()->prompts().Ask(
               parent, QString::fromUtf8(orvel::kStopMarkingQuestion), UserPrompts::Buttons::YesNo,
               UserPrompts::Icon::Stop) == UserPrompts::Answer::Yes;
}

void CloseGuard::EndMarking(orvel::MarkingState& state) {
    // A copy: the ender removes itself when it ends the run.
    if (const auto ender = endMarking_; ender)
        ender();
    state.m_bMarking = 0;
    state.m_bMarkIdle = 1;
    state.m_nMarkKind = 0;
}
