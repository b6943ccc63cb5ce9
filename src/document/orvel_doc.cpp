#include "document/orvel_doc.h"

#include <QFileInfo>

#include "document/hex_import_command.h"
#include "document/overwrite_prompt.h"
#include "document/undo_settings.h"
#include "ui/file_filter.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"

namespace {

// What a job's thread read or wrote, for its end on the GUI thread.
struct FileResult {
    bool ok = false;
    orvel::FileError error;
    orvel::FileStamp stamp;
    orvel::ByteBuffer bytes;  // a load's bytes
};

}  // namespace

COrvelDoc::COrvelDoc(ShellServices& shell, JobHost* jobs, QObject* parent)
    : QObject(parent), shell_(shell), job_(jobs) {
    observerId_ = data_.AddObserver([this](const orvel::ByteEdit&) { emit stateChanged(); });
    ConnectEditHistory(shell_, data_, [this] { return dialogParent_; });
}

COrvelDoc::~COrvelDoc() {
    job_.EndAtOnce();
    data_.RemoveObserver(observerId_);
}

void COrvelDoc::SetPath(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
}

void COrvelDoc::NotifyStateChanged() {
    emit stateChanged();
}

bool COrvelDoc::OnNewDocument(NewDocumentContent content) {
    if (content == NewDocumentContent::kImportedHexText) {
        if (!ImportHexTextIntoDocument(shell_.prompts(), dialogParent_, data_))
            return false;
    } else {
        data_.NewDocument();
    }
    title_ = QStringLiteral("Orvel%1").arg(shell_.NextUntitledNumber());
    return true;
}

void COrvelDoc::OnOpenDocument(const QString& path, std::function<void(OpenOutcome)> done) {
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Opening ") + QFileInfo(path).fileName();
    setup.stoppable = true;
    setup.waitCursor = true;
    job_.Start(
        DocumentJob::Kind::kOpen, setup,
        [file = path.toStdString()](JobContext& job) {
            FileResult result;
            result.ok =
                orvel::LoadFile(file, result.bytes, result.error, orvel::FileKinds::kRegularOnly,
                                &result.stamp, job.Tracker());
            return result;
        },
        [this, path, done = std::move(done)](FileResult result) {
            // Esc counts until the window would open, even when the reading was done.
            if (job_.stopRequested())
                return done(OpenOutcome::kStopped);
            if (!result.ok) {
                shell_.prompts().Tell(dialogParent_,
                                      QStringLiteral("Failed to open the file because ") +
                                          QString::fromStdString(result.error.text));
                return done(OpenOutcome::kFailed);
            }
            data_.AssignBytes(std::move(result.bytes), false);
            data_.setDiskStamp(result.stamp);
            SetPath(path);
            done(OpenOutcome::kOpened);
        });
}

void COrvelDoc::DoSave(const QString& path, Saved done) {
    if (!done)
        done = [](bool) {};
    const bool changedOnDisk = data_.IsChangedOnDisk(path.toStdString(), path_.toStdString());
    if (!ConfirmOverwriteOfChangedFile(shell_.prompts(), dialogParent_, changedOnDisk, path))
        return done(false);
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Saving ") + QFileInfo(path).fileName();
    setup.total = data_.size();
    setup.waitCursor = true;
    job_.Start(
        DocumentJob::Kind::kSave, setup,
        [bytes = &data_.bytes(), file = path.toStdString()](JobContext& job) {
            FileResult result;
            result.ok = orvel::SaveFile(file, *bytes, result.error, orvel::FileKinds::kRegularOnly,
                                        &result.stamp, job.Tracker());
            return result;
        },
        [this, path, done = std::move(done)](const FileResult& result) {
            if (!result.ok) {
                shell_.prompts().Tell(dialogParent_, QStringLiteral("Failed to save the file ") +
                                                         path + QStringLiteral("\nCause: ") +
                                                         QString::fromStdString(result.error.text));
                return done(false);
            }
            data_.MarkSaved();
            data_.setDiskStamp(result.stamp);
            SetPath(path);
            shell_.AddToRecentFileList(path_);
            emit stateChanged();
            done(true);
        });
}

void COrvelDoc::Save(Saved done) {
    if (path_.isEmpty())
        return SaveAs(std::move(done));
    DoSave(path_, std::move(done));
}

void COrvelDoc::SaveAs(Saved done) {
    UserPrompts::FileDialog dialog{QStringLiteral("Save As"),
                                   DialogFilterText(orvel::kAllFilesFilter), QString(),
                                   path_.isEmpty() ? title_ : path_};
    const QString path = shell_.prompts().SaveFileName(dialogParent_, dialog);
    if (path.isEmpty()) {
        if (done)
            done(false);
        return;
    }
    DoSave(path, std::move(done));
}

bool COrvelDoc::AskBeforeClose() {
    if (!AskStopMarking(shell_.prompts(), data_, dialogParent_))
        return false;
    if (!AskAboutJob(shell_.prompts(), job_, dialogParent_))
        return false;
    if (!IsModified())
        return true;
    const auto answer =
        shell_.prompts().Ask(dialogParent_, QStringLiteral("Save changes to %1?").arg(title_),
                             UserPrompts::Buttons::kYesNoCancel, UserPrompts::Icon::kWarning);
    if (answer == UserPrompts::Answer::kCancel)
        return false;
    if (answer == UserPrompts::Answer::kNo)
        return true;
    EndJob(job_, dialogParent_);  // an export the user agreed to stop
    bool saved = false;
    Save([&saved](bool ok) { saved = ok; });
    WaitForSave(job_, dialogParent_);
    return saved;
}

void COrvelDoc::EndWorkers() {
    EndRuns();
    EndJob(job_, dialogParent_);
}
