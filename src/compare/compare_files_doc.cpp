#include "compare/compare_files_doc.h"

#include <QFileInfo>

#include "document/overwrite_prompt.h"
#include "document/undo_settings.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"

using orvel::ComparedFile;

namespace {

// Every file, also those whose names have no dot.
QString ComparedFilesFilter() {
    return DialogFilterText("All files (*.*)|*.*||");
}

int NextComparisonNumber() {
    static int count = 0;
    return ++count;
}

// What a job's thread read or wrote, for its end on the GUI thread.
struct FileResult {
    bool ok = false;
    orvel::CompareFileFailure failure;
    orvel::FileStamp stamp;
};

}  // namespace

// Each file keeps a history of its own.
CCompareFilesDoc::CCompareFilesDoc(ShellServices& shell, JobHost* jobs)
    : shell_(shell),
      title_(QStringLiteral("File Comparison%1").arg(NextComparisonNumber())),
      jobHost_(jobs),
      job_(jobs) {
    for (const ComparedFile which : {ComparedFile::kFirst, ComparedFile::kSecond})
        ConnectEditHistory(shell_, data_.file(which), [this] { return dialogParent_; });
}

CCompareFilesDoc::~CCompareFilesDoc() {
    job_.EndAtOnce();
}

QString CCompareFilesDoc::path(ComparedFile which) const {
    return QString::fromStdString(data_.path(which));
}

void CCompareFilesDoc::OnNewDocument(std::function<void(bool)> done) {
    const QString path1 = shell_.prompts().OpenFileName(
        dialogParent_,
        {QStringLiteral("Select first file for comparison"), ComparedFilesFilter(), {}, {}});
    if (path1.isEmpty())
        return done(false);
    const QString path2 = shell_.prompts().OpenFileName(
        dialogParent_,
        {QStringLiteral("Select second file for comparison"), ComparedFilesFilter(), {}, {}});
    if (path2.isEmpty())
        return done(false);
    if (orvel::IsSameFileForComparison(path1.toStdString(), path2.toStdString())) {
        shell_.prompts().Tell(dialogParent_, QString::fromUtf8(orvel::kSameFilesText));
        return done(false);
    }
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Opening %1 and %2")
                      .arg(QFileInfo(path1).fileName(), QFileInfo(path2).fileName());
    setup.stoppable = true;
    setup.waitCursor = true;
    // Nothing else uses the new document while its job fills it.
    job_.Start(
        DocumentJob::Kind::kOpen, setup,
        [this, file1 = path1.toStdString(), file2 = path2.toStdString()](JobContext& job) {
            FileResult result;
            result.ok = data_.Load(file1, file2, result.failure, job.Tracker());
            return result;
        },
        [this, done = std::move(done)](const FileResult& result) {
            if (job_.stopRequested())
                return done(false);
            if (!result.ok)
                shell_.prompts().Tell(dialogParent_,
                                      QString::fromStdString(result.failure.message));
            done(result.ok);
        });
}

void CCompareFilesDoc::StartSave(ComparedFile which, const QString& path,
                                 std::function<void(const orvel::FileStamp&)> saved,
                                 std::function<void(bool)> done) {
    if (!done)
        done = [](bool) {};
    DocumentJob::Setup setup;
    setup.label = QStringLiteral("Saving ") + QFileInfo(path).fileName();
    setup.total = data_.file(which).size();
    setup.waitCursor = true;
    job_.Start(
        DocumentJob::Kind::kSave, setup,
        [this, which, file = path.toStdString()](JobContext& job) {
            FileResult result;
            result.ok = data_.WriteFile(which, file, result.failure, &result.stamp, job.Tracker());
            return result;
        },
        [this, saved = std::move(saved), done = std::move(done)](const FileResult& result) {
            if (!result.ok) {
                shell_.prompts().Tell(dialogParent_,
                                      QString::fromStdString(result.failure.message));
                return done(false);
            }
            saved(result.stamp);
            done(true);
        });
}

void CCompareFilesDoc::OnSaveFile(ComparedFile which, std::function<void(bool)> done) {
    if (!ConfirmOverwriteOfChangedFile(shell_.prompts(), dialogParent_,
                                       data_.IsChangedOnDisk(which), path(which))) {
        if (done)
            done(false);
        return;
    }
    StartSave(
        which, path(which),
        [this, which](const orvel::FileStamp& written) { data_.FileSaved(which, written); },
        std::move(done));
}

void CCompareFilesDoc::OnSaveFileAs(ComparedFile which) {
    const QString title = which == ComparedFile::kFirst ? QStringLiteral("Save File1 As")
                                                        : QStringLiteral("Save File2 As");
    const QString target =
        shell_.prompts().SaveFileName(dialogParent_, {title, ComparedFilesFilter(), {}, {}});
    if (target.isEmpty())
        return;
    StartSave(which, target, [](const orvel::FileStamp&) {}, {});
}

bool CCompareFilesDoc::AskYes(const char* question) const {
    return shell_.prompts().Ask(dialogParent_, QString::fromUtf8(question),
                                UserPrompts::Buttons::kYesNo,
                                UserPrompts::Icon::kStop) == UserPrompts::Answer::kYes;
}

bool CCompareFilesDoc::AskBeforeClose() {
    if (data_.m_bComparing == 1 && !AskYes(orvel::kStopComparingQuestion))
        return false;
    if (!AskStopMarking(shell_.prompts(), data_, dialogParent_))
        return false;
    if (!AskAboutJob(shell_.prompts(), job_, dialogParent_))
        return false;
    // A save that fails has told the user; the window stays with its edits.
    for (const ComparedFile which : {ComparedFile::kFirst, ComparedFile::kSecond}) {
        const char* question =
            which == ComparedFile::kFirst ? orvel::kSaveFile1Question : orvel::kSaveFile2Question;
        if (!data_.dataModified(which) || !AskYes(question))
            continue;
        EndJob(job_, dialogParent_);  // an export the user agreed to stop
        bool saved = false;
        OnSaveFile(which, [&saved](bool ok) { saved = ok; });
        WaitForSave(job_, dialogParent_);
        if (!saved)
            return false;
    }
    return true;
}

void CCompareFilesDoc::EndRuns() {
    if (endCompare_)
        endCompare_();
    data_.m_bComparing = 0;
    data_.m_bCompareIdle = 1;
    EndMarking(data_);
}

void CCompareFilesDoc::EndWorkers() {
    EndRuns();
    EndJob(job_, dialogParent_);
}
