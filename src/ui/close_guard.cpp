#include "ui/close_guard.h"

#include "jobs/document_job.h"
#include "jobs/job_wait.h"
#include "ui/user_prompts.h"
#include "view/dump_export.h"

bool CloseGuard::QueryClose() {
    if (asking_)
        return false;
    asking_ = true;
    const bool agreed = AskBeforeClose();
    asking_ = false;
    return agreed;
}

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

bool CloseGuard::AskStopMarking(UserPrompts& prompts, const orvel::MarkingState& state,
                                QWidget* parent) {
    if (state.m_bMarking != 1)
        return true;
    return prompts.Ask(parent, QString::fromUtf8(orvel::kStopMarkingQuestion),
                       UserPrompts::Buttons::kYesNo,
                       UserPrompts::Icon::kStop) == UserPrompts::Answer::kYes;
}

bool CloseGuard::AskAboutJob(UserPrompts& prompts, DocumentJob& job, QWidget* parent) {
    switch (job.kind()) {
        case DocumentJob::Kind::kSave:
            WaitForSave(job, parent);
            return true;
        case DocumentJob::Kind::kExport:
            if (prompts.Ask(parent, QString::fromUtf8(orvel::kStopExportQuestion),
                            UserPrompts::Buttons::kYesNo,
                            UserPrompts::Icon::kStop) != UserPrompts::Answer::kYes)
                return false;
            // Stopped now, as Esc would: it must not finish while other
            // documents are asked.
            job.RequestStop();
            return true;
        case DocumentJob::Kind::kOpen:
        case DocumentJob::Kind::kNone:
            break;
    }
    return true;
}

void CloseGuard::EndMarking(orvel::MarkingState& state) {
    // A copy: the ender removes itself when it ends the run.
    if (const auto ender = endMarking_; ender)
        ender();
    state.m_bMarking = 0;
    state.m_bMarkIdle = 1;
    state.m_nMarkKind = 0;
}

void CloseGuard::WaitForSave(DocumentJob& job, QWidget* parent) {
    EndRuns();
    WaitForJob(job, parent);
}

void CloseGuard::EndJob(DocumentJob& job, QWidget* parent) {
    if (job.kind() == DocumentJob::Kind::kSave)
        WaitForSave(job, parent);
    job.EndAtOnce();
}
