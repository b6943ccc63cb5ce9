#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "compare/compare_document.h"
#include "jobs/document_job.h"
#include "ui/close_guard.h"
#include "ui/command_route.h"

class JobHost;
class QWidget;
class ShellServices;

// The document of a comparison window: the two files (the core comparison
// document), the window's title, the commands Save File1/2 and Save File1/2 As,
// and the close guard. Lives on the GUI thread.
//
// Loading the two files and saving one of them run as the document's
// background job; while it runs the files do not change.
class CCompareFilesDoc : public QObject, public orvel::DocumentTarget, public CloseGuard {
    Q_OBJECT
  public:
    // `jobs` shows the progress of the document's jobs (may be null).
    CCompareFilesDoc(ShellServices& shell, JobHost* jobs);
    ~CCompareFilesDoc() override;

    [[nodiscard]] orvel::CompareDocument& data() { return data_; }
    [[nodiscard]] const orvel::CompareDocument& data() const { return data_; }
    // "File Comparison" and a running number.
    [[nodiscard]] QString title() const { return title_; }
    // The full path as chosen in the file dialog.
    [[nodiscard]] QString path(orvel::ComparedFile which) const;
    [[nodiscard]] DocumentJob& job() { return job_; }
    [[nodiscard]] JobHost* jobHost() const { return jobHost_; }

    // True while no comparison, no marking run and no job owns the files;
    // almost every command of the window waits for it.
    [[nodiscard]] bool IsCompareDocIdle() const {
        return data_.IsCompareDocIdle() && !job_.running();
    }

    // Asks for the two files and loads them (LoadFiles). `done` gets false
    // also when the user cancelled a file dialog.
    void OnNewDocument(std::function<void(bool loaded)> done);
    // Loads `path1` and `path2` as the document's job ("Opening NAME1 and
    // NAME2... 37%", Esc stops it); reports every failure. `done` runs once
    // it is over, with false when nothing may open (stopped, the same file
    // twice, a load failed).
    void LoadFiles(const QString& path1, const QString& path2,
                   std::function<void(bool loaded)> done);
    // Save File1 / Save File2 as the document's job, asking first when another
    // program has changed the file. `done` (may be empty) gets false (after a
    // message, or No) when the file on disk and the changed flag stayed as
    // they were; at once when no save started.
    void OnSaveFile(orvel::ComparedFile which, std::function<void(bool saved)> done = {});
    // Save File1 As / Save File2 As: writes a copy; changes nothing else.
    void OnSaveFileAs(orvel::ComparedFile which);

    // How the close guard ends a comparison at once; it must return only when
    // the compare worker can no longer touch the document.
    void setCompareEnder(std::function<void()> ender) { endCompare_ = std::move(ender); }
    // The widget that owns the document's message boxes and file dialogs.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    // True while either file has changes not saved.
    [[nodiscard]] bool IsModified() const {
        return data_.dataModified(orvel::ComparedFile::kFirst) ||
               data_.dataModified(orvel::ComparedFile::kSecond);
    }

    [[nodiscard]] bool IsBusy() const override { return !IsCompareDocIdle(); }
    [[nodiscard]] bool IsMarkingOrComparing() const override { return !data_.IsCompareDocIdle(); }
    [[nodiscard]] bool IsComparing() const override { return data_.IsComparing(); }

  signals:
    // A file was edited or saved: the modified state may have changed.
    void stateChanged();

  protected:
    // The running comparison, the running marking, the running job, then each
    // changed file (Yes saves it now; a failed save keeps the window and its edits).
    [[nodiscard]] bool AskBeforeClose() override;
    void EndRuns() override;
    void EndWorkers() override;

  private:
    [[nodiscard]] bool AskYes(const char* question) const;
    // Writes file `which` to `path` as the document's job; `saved` runs on success.
    void StartSave(orvel::ComparedFile which, const QString& path,
                   std::function<void(const orvel::FileStamp&)> saved,
                   std::function<void(bool)> done);

    ShellServices& shell_;
    orvel::CompareDocument data_;
    QString title_;
    QWidget* dialogParent_ = nullptr;
    std::function<void()> endCompare_;
    JobHost* jobHost_;
    int observerIds_[2] = {0, 0};
    DocumentJob job_;  // last: it ends before the files it reads go
};
