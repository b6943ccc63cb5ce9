#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/binary_document.h"
#include "jobs/document_job.h"
#include "ui/close_guard.h"
#include "ui/command_route.h"

class JobHost;
class QWidget;
class ShellServices;

// What File New puts in a new document: 32 zero bytes, or the values of a
// hex text file the user picks (File Import Hex Values Text).
enum class NewDocumentContent { kZeros, kImportedHexText };

// The document of a single-file window: the bytes of one file (the core
// document), its path and title, and the file commands Save and Save As with
// the close guard: the marking question, the running job, then whether to
// save changes. Lives on the GUI thread.
//
// Opening and saving run as the document's background job. While it runs the
// bytes do not change (the editing commands wait and typing is dropped); an
// opening document belongs to nobody but its job until the job has ended.
class COrvelDoc : public QObject, public orvel::DocumentTarget, public CloseGuard {
    Q_OBJECT
  public:
    // How File Open ended.
    enum class OpenOutcome { kOpened, kFailed, kStopped };
    // Told whether a save wrote the file.
    using Saved = std::function<void(bool saved)>;

    // `jobs` shows the progress of the document's jobs (may be null).
    COrvelDoc(ShellServices& shell, JobHost* jobs, QObject* parent = nullptr);
    ~COrvelDoc() override;

    [[nodiscard]] orvel::BinaryDocument& data() { return data_; }
    [[nodiscard]] const orvel::BinaryDocument& data() const { return data_; }
    // The framework's modified flag: derived from the document's own flag of
    // changed bytes, so display-only changes can never make it differ.
    [[nodiscard]] bool IsModified() const { return data_.dataModified(); }
    [[nodiscard]] QString title() const { return title_; }
    // Empty for an untitled document.
    [[nodiscard]] QString path() const { return path_; }
    // True while no marking run and no job owns the document.
    [[nodiscard]] bool IsIdle() const { return data_.IsMarkIdle() && !job_.running(); }
    [[nodiscard]] DocumentJob& job() { return job_; }

    // File New: untitled ("Orvel" and a running number), with `content`. False
    // when there is none (the import was cancelled or failed, and said so).
    bool OnNewDocument(NewDocumentContent content = NewDocumentContent::kZeros);
    // File Open: reads the file as the document's job ("Opening NAME... 37%",
    // Esc stops it). `done` runs on the GUI thread once it is over; a failure
    // has been reported to the user then, a stop says nothing.
    void OnOpenDocument(const QString& path, std::function<void(OpenOutcome)> done);
    // Saves to `path` as the document's job, asking first when that is the
    // document's own file and another program has changed it; a save cannot be
    // stopped. On failure or No it reports it and leaves the document and the
    // file on disk as they were. `done` (may be empty) is told the outcome,
    // at once when no save started.
    void DoSave(const QString& path, Saved done = {});
    void Save(Saved done = {});
    void SaveAs(Saved done = {});

    // A marking run or the document's job may own it; nothing compares it.
    [[nodiscard]] bool IsBusy() const override { return !IsIdle(); }
    [[nodiscard]] bool IsMarkingOrComparing() const override { return !data_.IsMarkIdle(); }
    [[nodiscard]] bool IsComparing() const override { return false; }

    // Tells the windows that the title or the modified state may have changed.
    void NotifyStateChanged();

    // The widget that owns the document's message boxes.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

  signals:
    void stateChanged();

  protected:
    // The marking question, the running job, then whether to save changes
    // (Yes saves now and waits for the save).
    [[nodiscard]] bool AskBeforeClose() override;
    void EndRuns() override { EndMarking(data_); }
    void EndWorkers() override;

  private:
    void SetPath(const QString& path);

    ShellServices& shell_;
    orvel::BinaryDocument data_;
    QString path_;
    QString title_;
    QWidget* dialogParent_ = nullptr;
    int observerId_ = 0;
    DocumentJob job_;  // last: it ends before the bytes it reads go
};
