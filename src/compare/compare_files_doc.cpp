#include "compare/compare_files_doc.h"

#include "app/orvel_app.h"
#include "app/wait_cursor.h"
#include "document/overwrite_prompt.h"
#include "document/undo_settings.h"

using orvel::Cmd;
using orvel::ComparedFile;

namespace {

// Every file, also those whose names have no dot.
QString ComparedFilesFilter() {
    return DialogFilterText("All files (*.*)|*.*||");
}

UserPrompts& Prompts() {
    return COrvelApp::instance()->prompts();
}

int NextComparisonNumber() {
    static int count = 0;
    return ++count;
}

}  // namespace

// Each file keeps a history of its own.
CCompareFilesDoc::CCompareFilesDoc()
    : title_(QStringLiteral("File Comparison%1").arg(NextComparisonNumber())) {
    for (const ComparedFile which : {ComparedFile::First, ComparedFile::Second})
        ConnectEditHistory(data_.file(which), [this] { return dialogParent_; });
}

QString CCompareFilesDoc::path(ComparedFile which) const {
    return QString::fromStdString(data_.path(which));
}

bool CCompareFilesDoc::OnNewDocument() {
    const QString path1 = Prompts().OpenFileName(
        dialogParent_,
        {QStringLiteral("Select first file for comparison"), ComparedFilesFilter(), {}, {}});
    if (path1.isEmpty())
        return false;
    const QString path2 = Prompts().OpenFileName(
        dialogParent_,
        {QStringLiteral("Select second file for comparison"), ComparedFilesFilter(), {}, {}});
    if (path2.isEmpty())
        return false;
    if (orvel::IsSameFileForComparison(path1.toStdString(), path2.toStdString())) {
        Prompts().Tell(dialogParent_, QString::fromUtf8(orvel::kSameFilesText));
        return false;
    }
    orvel::CompareFileFailure failure;
    bool loaded;
    {
        WaitCursor wait;
        loaded = data_.Load(path1.toStdString(), path2.toStdString(), failure);
    }
    if (!loaded) {
        Prompts().Tell(dialogParent_, QString::fromStdString(failure.message));
        return false;
    }
    return true;
}

bool CCompareFilesDoc::OnSaveFile(ComparedFile which) {
    if (!ConfirmOverwriteOfChangedFile(dialogParent_, data_.IsChangedOnDisk(which), path(which)))
        return false;
    orvel::CompareFileFailure failure;
    bool saved;
    {
        WaitCursor wait;
        saved = data_.SaveFile(which, failure);
    }
    if (!saved)
        Prompts().Tell(dialogParent_, QString::fromStdString(failure.message));
    return saved;
}

void CCompareFilesDoc::OnSaveFileAs(ComparedFile which) {
    const QString title = which == ComparedFile::First ? QStringLiteral("Save File1 As")
                                                       : QStringLiteral("Save File2 As");
    const QString target =
        Prompts().SaveFileName(dialogParent_, {title, ComparedFilesFilter(), {}, {}});
    if (target.isEmpty())
        return;
    orvel::CompareFileFailure failure;
    bool saved;
    {
        WaitCursor wait;
        saved = data_.SaveFileAs(which, target.toStdString(), failure);
    }
    if (!saved)
        Prompts().Tell(dialogParent_, QString::fromStdString(failure.message));
}

bool CCompareFilesDoc::AskYes(const char* question) const {
    return Prompts().Ask(dialogParent_, QString::fromUtf8(question), UserPrompts::Buttons::YesNo,
                         UserPrompts::Icon::Stop) == UserPrompts::Answer::Yes;
}

bool CCompareFilesDoc::QueryClose() {
    if (data_.m_bComparing == 1 && !AskYes(orvel::kStopComparingQuestion))
        return false;
    if (!AskStopMarking(data_, dialogParent_))
        return false;
    // A save that fails has told the user; the window stays with its edits.
    for (const ComparedFile which : {ComparedFile::First, ComparedFile::Second}) {
        const char* question =
            which == ComparedFile::First ? orvel::kSaveFile1Question : orvel::kSaveFile2Question;
        if (data_.dataModified(which) && AskYes(question) && !OnSaveFile(which))
            return false;
    }
    return true;
}

void CCompareFilesDoc::EndWorkers() {
    if (endCompare_)
        endCompare_();
    data_.m_bComparing = 0;
    data_.m_bCompareIdle = 1;
    EndMarking(data_);
}

bool CCompareFilesDoc::OnCommand(Cmd cmd) {
    switch (cmd) {
        case Cmd::FileSaveFile1:
            (void)OnSaveFile(ComparedFile::First);
            return true;
        case Cmd::FileSaveFile2:
            (void)OnSaveFile(ComparedFile::Second);
            return true;
        case Cmd::FileSaveFile1As:
            OnSaveFileAs(ComparedFile::First);
            return true;
        case Cmd::FileSaveFile2As:
            OnSaveFileAs(ComparedFile::Second);
            return true;
        default:
            return false;
    }
}

bool CCompareFilesDoc::OnUpdateCommand(Cmd cmd, CommandState& state) {
    switch (cmd) {
        case Cmd::FileSaveFile1:
        case Cmd::FileSaveFile1As:
        case Cmd::FileSaveFile2:
        case Cmd::FileSaveFile2As:
        case Cmd::FileCompare:
        case Cmd::FileNew:
        case Cmd::FileOpen:
        case Cmd::FilePrint:
        case Cmd::FilePrintSetup:
        case Cmd::FileImportHexText:
            state.enabled = IsCompareDocIdle();
            return true;
        case Cmd::FileSave:
        case Cmd::FileSaveAs:
            // The two files are saved one by one, never as one document.
            state.enabled = false;
            return true;
        default:
            return false;
    }
}
