#pragma once

#include <QObject>
#include <QString>

#include "app/close_guard.h"
#include "app/command_target.h"
#include "document/binary_document.h"

class QWidget;

// The document of a single-file window: the bytes of one file (the core
// document), its path and title, and the file commands Save and Save As with
// the close guard: the marking question, then whether to save changes. Lives on
// the GUI thread.
class COrvelDoc : public QObject, public CommandTarget, public CloseGuard {
    Q_OBJECT
  public:
    explicit COrvelDoc(QObject* parent = nullptr);
    ~COrvelDoc() override;

    [[nodiscard]] orvel::BinaryDocument& data() { return data_; }
    [[nodiscard]] const orvel::BinaryDocument& data() const { return data_; }
    // The framework's modified flag: derived from the document's own flag of
    // changed bytes, so display-only changes can never make it differ.
    [[nodiscard]] bool IsModified() const { return data_.dataModified(); }
    [[nodiscard]] QString title() const { return title_; }
    // Empty for an untitled document.
    [[nodiscard]] QString path() const { return path_; }

    // File New: 32 zero bytes, untitled ("Orvel" and a running number).
    bool OnNewDocument();
    // File Open: reports failures to the user; false when nothing was opened.
    bool OnOpenDocument(const QString& path);
    // Saves to `path`, asking first when that is the document's own file and
    // another program has changed it; on failure or No reports it and leaves
    // the document and the file on disk as they were.
    bool DoSave(const QString& path);
    bool Save();
    bool SaveAs();
    // The marking question, then whether to save changes (Yes saves now).
    [[nodiscard]] bool QueryClose() override;

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

    // Tells the windows that the title or the modified state may have changed.
    void NotifyStateChanged();

    // The widget that owns the document's message boxes.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

  signals:
    void stateChanged();

  protected:
    void EndWorkers() override { EndMarking(data_); }

  private:
    void SetPath(const QString& path);

    orvel::BinaryDocument data_;
    QString path_;
    QString title_;
    QWidget* dialogParent_ = nullptr;
    int observerId_ = 0;
};
