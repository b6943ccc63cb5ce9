#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/close_guard.h"
#include "app/command_target.h"
#include "compare/compare_document.h"

class QWidget;

// The document of a comparison window: the two files (the core comparison
// document), the window's title, the commands Save File1/2 and Save File1/2 As,
// and the close guard. Lives on the GUI thread.
class CCompareFilesDoc : public QObject, public CommandTarget, public CloseGuard {
    Q_OBJECT
  public:
    CCompareFilesDoc();

    [[nodiscard]] orvel::CompareDocument& data() { return data_; }
    [[nodiscard]] const orvel::CompareDocument& data() const { return data_; }
    // "File Comparison" and a running number.
    [[nodiscard]] QString title() const { return title_; }
    // The full path as chosen in the file dialog.
    [[nodiscard]] QString path(orvel::ComparedFile which) const;

    // True while no comparison and no marking run owns the files; almost
    // every command of the window waits for it.
    [[nodiscard]] bool IsCompareDocIdle() const { return data_.IsCompareDocIdle(); }

    // Asks for the two files and loads them; reports every failure. False when
    // nothing may open (the user cancelled, the same file twice, a load failed).
    bool OnNewDocument();
    // Save File1 / Save File2, asking first when another program has changed
    // the file: false (after a message, or No) when the file on disk and the
    // changed flag stayed as they were.
    bool OnSaveFile(orvel::ComparedFile which);
    // Save File1 As / Save File2 As: writes a copy; changes nothing else.
    void OnSaveFileAs(orvel::ComparedFile which);

    // The running comparison, the running marking, then each changed file
    // (Yes saves it now; a failed save keeps the window and its edits).
    [[nodiscard]] bool QueryClose() override;

    // How the close guard ends a comparison at once; it must return only when
    // the compare worker can no longer touch the document.
    void setCompareEnder(std::function<void()> ender) { endCompare_ = std::move(ender); }
    // The widget that owns the document's message boxes and file dialogs.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  protected:
    void EndWorkers() override;

  private:
    [[nodiscard]] bool AskYes(const char* question) const;

    orvel::CompareDocument data_;
    QString title_;
    QWidget* dialogParent_ = nullptr;
    std::function<void()> endCompare_;
};
