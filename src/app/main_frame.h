#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <vector>

#include "app/command_target.h"
#include "app/menu_tables.h"

class QAction;
class QMdiArea;
class QMenu;
class CChildFrame;
class CCompareFilesChildFrame;
class COrvelDoc;

// The main window: the menu bar built from the menu tables, the accelerators,
// the client area holding the document windows, and the command route. It
// handles the commands that need no document (New, Exit, the Window menu).
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
  public:
    CMainFrame();
    ~CMainFrame() override;

    [[nodiscard]] QMdiArea* mdiArea() const { return mdiArea_; }
    [[nodiscard]] CChildFrame* activeChild() const;
    [[nodiscard]] std::vector<CChildFrame*> children() const;
    // The action of a command (one per command, shared by menus and keys).
    [[nodiscard]] QAction* action(orvel::Cmd cmd) const;

    // File New: a new untitled single-file window.
    CChildFrame* NewDocument();
    // Opens `path` in a single-file window, or activates the window that has it
    // open already. Null when the file could not be opened.
    CChildFrame* OpenDocumentFile(const QString& path);
    // File Compare: asks for two files and opens a comparison window of them.
    // Null when the user cancelled or a file could not be loaded.
    CCompareFilesChildFrame* CompareFiles();
    // The action of a command that only a toolbar offers; made on first use
    // and routed and updated like every other.
    QAction* ToolbarAction(orvel::Cmd cmd, const QString& text);

    // Runs a command along the route; false when nothing handled it.
    bool RouteCommand(orvel::Cmd cmd);
    // Runs every update handler and sets the actions' states.
    void UpdateCommands();

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateActions();
    void BuildMenuBar(orvel::MenuBarKind kind);
    void FillRecentFiles(QMenu* menu, QAction* before);
    [[nodiscard]] std::vector<CommandTarget*> Route() const;
    CChildFrame* AddChild(COrvelDoc* doc);
    void OnChildActivated();

    QMdiArea* mdiArea_;
    std::map<orvel::Cmd, QAction*> actions_;
    orvel::MenuBarKind menuKind_ = orvel::MenuBarKind::NoDocument;
    std::vector<QAction*> recentActions_;
    QTimer idleTimer_;
};
