#include "document/orvel_doc.h"

#include <QFileInfo>

#include "app/file_filter.h"
#include "app/orvel_app.h"
#include "app/wait_cursor.h"
#include "document/hex_import_command.h"
#include "document/overwrite_prompt.h"
#include "document/undo_settings.h"

using orvel::Cmd;

COrvelDoc::COrvelDoc(QObject* parent) : QObject(parent) {
    observerId_ = data_.AddObserver([this](const orvel::ByteEdit&) { emit stateChanged(); });
    ConnectEditHistory(data_, [this] { return dialogParent_; });
}

COrvelDoc::~COrvelDoc() {
    data_.RemoveObserver(observerId_);
}

void COrvelDoc::SetPath(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
}

void COrvelDoc::NotifyStateChanged() {
    emit stateChanged();
}

bool COrvelDoc::OnNewDocument() {
    COrvelApp* app = COrvelApp::instance();
    if (app->m_bImportHexText != 0) {
        // File Import Hex Values Text: the bytes come from a text file.
        app->m_bImportHexText = 0;
        if (!ImportHexTextIntoDocument(dialogParent_, data_))
            return false;
    } else {
        data_.NewDocument();
    }
    title_ = QStringLiteral("Orvel%1").arg(app->NextUntitledNumber());
    return true;
}

bool COrvelDoc::OnOpenDocument(const QString& path) {
    WaitCursor wait;
    orvel::FileError error;
    if (!data_.Load(path.toStdString(), error)) {
        COrvelApp::instance()->prompts().Tell(dialogParent_,
                                              QStringLiteral("Failed to open the file because ") +
                                                  QString::fromStdString(error.text));
        return false;
    }
    SetPath(path);
    return true;
}

bool COrvelDoc::DoSave(const QString& path) {
    const bool changedOnDisk = data_.IsChangedOnDisk(path.toStdString(), path_.toStdString());
    if (!ConfirmOverwriteOfChangedFile(dialogParent_, changedOnDisk, path))
        return false;
    bool saved;
    orvel::FileError error;
    {
        WaitCursor wait;
        saved = data_.Save(path.toStdString(), error);
    }
    if (!saved) {
        COrvelApp::instance()->prompts().Tell(
            dialogParent_, QStringLiteral("Failed to save the file ") + path +
                               QStringLiteral("\nCause: ") + QString::fromStdString(error.text));
        return false;
    }
    SetPath(path);
    COrvelApp::instance()->AddToRecentFileList(path_);
    emit stateChanged();
    return true;
}

bool COrvelDoc::Save() {
    return path_.isEmpty() ? SaveAs() : DoSave(path_);
}

bool COrvelDoc::SaveAs() {
    UserPrompts::FileDialog dialog{QStringLiteral("Save As"),
                                   DialogFilterText(orvel::kAllFilesFilter), QString(),
                                   path_.isEmpty() ? title_ : path_};
    const QString path = COrvelApp::instance()->prompts().SaveFileName(dialogParent_, dialog);
    if (path.isEmpty())
        return false;
    return DoSave(path);
}

bool COrvelDoc::QueryClose() {
    if (!AskStopMarking(data_, dialogParent_))
        return false;
    if (!IsModified())
        return true;
    const auto answer = COrvelApp::instance()->prompts().Ask(
        dialogParent_, QStringLiteral("Save changes to %1?").arg(title_),
        UserPrompts::Buttons::YesNoCancel, UserPrompts::Icon::Warning);
    if (answer == UserPrompts::Answer::Cancel)
        return false;
    if (answer == UserPrompts::Answer::No)
        return true;
    return Save();
}

bool COrvelDoc::OnCommand(Cmd cmd) {
    switch (cmd) {
        case Cmd::FileSave:
            Save();
            return true;
        case Cmd::FileSaveAs:
            SaveAs();
            return true;
        default:
            return false;
    }
}

bool COrvelDoc::OnUpdateCommand(Cmd cmd, CommandState& state) {
    switch (cmd) {
        case Cmd::FileSave:
        case Cmd::FileSaveAs:
            state.enabled = data_.IsMarkIdle();
            return true;
        case Cmd::FileNew:
        case Cmd::FileOpen:
        case Cmd::FileCompare:
        case Cmd::FilePrint:
        case Cmd::FilePrintSetup:
        case Cmd::FileImportHexText:
            // The commands that would touch the file or open windows wait
            // while a marking run owns the document.
            if (data_.IsMarkIdle())
                return false;
            state.enabled = false;
            return true;
        default:
            return false;
    }
}
