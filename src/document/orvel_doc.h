#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/command_target.h"
#include "document/binary_document.h"

class QWidget;

// The document of a single-file window: the bytes of one file (the core
// document), its path and title, and the file commands Save and Save As with
// the save-changes question on close. Lives on the GUI thread.
class COrvelDoc : public QObject, public CommandTarget {
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
    // Before the window closes: the marking guard, then the question whether
    // to save changes. False when the window must stay open.
    bool SaveModified();

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

    // Tells the windows that the title or the modified state may have changed.
    void NotifyStateChanged();

    // Asked first by SaveModified while a marking run owns the document;
    // false keeps the window open. Empty when no run does.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

    // The widget that owns the document's message boxes.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

  signals:
    void stateChanged();

  private:
    void SetPath(const QString& path);

    orvel::BinaryDocument data_;
    QString path_;
    QString title_;
    QWidget* dialogParent_ = nullptr;
    int observerId_ = 0;
    std::function<bool()> closeGuard_;
};
