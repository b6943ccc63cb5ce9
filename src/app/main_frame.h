#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/command_actions.h"
#include "app/menu_tables.h"
#include "document/orvel_doc.h"
#include "ui/command_registry.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class CAsciiTableDlg;
class CChildFrame;
class HelpWnd;
class CNotationConvertDlg;
class CCompareFilesChildFrame;
class CCompareFilesDoc;
class COrvelView;
class CommandFrame;
class RecentFileStore;
class ShellServices;
class StatusBarJobs;

// The main window: the menu bar laid out by the menu tables, the actions and
// keys of the command registry, the client area holding the document windows,
// and the command route. It carries out the commands that need no document
// (New, Import, Compare, Exit, the View, Window and Help menus) and keeps the
// two toolbars, the status bar and the reference windows (at most one ASCII
// Table and one Notation Convert).
class CMainFrame : public QMainWindow, public orvel::CommandTarget {
    Q_OBJECT
  public:
    // `shell` is handed to the windows; `application` is the last link of the
    // command route; `commands` give the actions, menus, keys and help.
    CMainFrame(ShellServices& shell, RecentFileStore& recentFiles,
               orvel::CommandTarget& application, const orvel::CommandRegistry& commands);
    ~CMainFrame() override;

    [[nodiscard]] QMdiArea* mdiArea() const { return mdiArea_; }
    [[nodiscard]] CChildFrame* activeChild() const;
    [[nodiscard]] std::vector<CChildFrame*> children() const;
    [[nodiscard]] const orvel::CommandRegistry& commands() const { return commands_; }
    // The action of a command (one per command, shared by menus, toolbars and
    // keys).
    [[nodiscard]] QAction* action(orvel::CommandId cmd) const { return actions_.action(cmd); }

    // Told how an open ended: the new or activated window, or null.
    using Opened = std::function<void(CChildFrame* child, COrvelDoc::OpenOutcome outcome)>;

    // File New: a new untitled single-file window with the given content
    // (File Import Hex Values Text imports it); null when there is none.
    CChildFrame* NewDocument(NewDocumentContent content = NewDocumentContent::kZeros);
    // Opens `path` in a single-file window, or activates the window that has it
    // open already. The file is read as a background job; its window comes
    // when it has been read. `opened` (may be empty) is told how it ended;
    // when the file is being opened already, once that open ends.
    void OpenDocumentFile(const QString& path, Opened opened = {});
    // Opens `paths` one after the other (dropped files), so that their windows
    // come in that order; a stopped open ends the rest.
    void OpenDocumentFiles(QStringList paths);
    // File Compare: asks for two files and opens a comparison window of them
    // once they have been read (a background job). `done` (may be empty) gets
    // the window, or null when the user cancelled or stopped, or a file could
    // not be loaded.
    void CompareFiles(std::function<void(CCompareFilesChildFrame*)> done = {});
    // The background jobs of every window: their progress in the status bar, Esc.
    [[nodiscard]] StatusBarJobs& jobs() const { return *jobs_; }

    // Runs a command along the route; false when nothing ran (it was
    // unavailable).
    bool RouteCommand(orvel::CommandId cmd);
    // Runs every update and sets the actions' states.
    void UpdateCommands();
    // The route a command takes: the active window's view, its document, the
    // window, this frame, the application (only the last two while no
    // document window is open).
    [[nodiscard]] orvel::CommandRoute Route();
    // The route of a command given to `view`, as if its window were active.
    [[nodiscard]] orvel::CommandRoute RouteFrom(COrvelView* view);

    // The commands this frame carries out.
    void ToggleStatusBar();
    void OnWindowNew();
    void Cascade();
    void ArrangeIcons();
    void OnHelp();
    void OnAsciiTable();
    void OnNotationConvert();

    // The toolbars by title ("Main toolbar", "Mark Toolbar").
    [[nodiscard]] QToolBar* toolBar(const QString& title) const;
    // The open reference windows and help window, or null.
    [[nodiscard]] CAsciiTableDlg* asciiTableDlg() const { return m_pAsciiTableDlg; }
    [[nodiscard]] CNotationConvertDlg* notationDlg() const { return m_pNotationDlg; }
    [[nodiscard]] HelpWnd* helpWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateToolBars();
    void CreateStatusBar();
    void BuildMenuBar(orvel::MenuBarKind kind);
    void FillRecentFiles(QMenu* menu, QAction* before);
    void FillWindowList(QMenu* menu);
    [[nodiscard]] orvel::CommandRoute RouteThrough(CommandFrame& window,
                                                   orvel::CommandTarget* view);
    CChildFrame* AddChild(COrvelDoc* doc);
    void OpenEnded(COrvelDoc* doc, COrvelDoc::OpenOutcome outcome);
    void ComparisonLoaded(CCompareFilesDoc* doc, bool loaded);
    // Exit: the files being read are dropped; no window opens for them.
    void EndPendingDocuments();
    void OnChildActivated();

    // A file being opened, and everyone waiting for its window.
    struct PendingOpen {
        COrvelDoc* doc;
        QString path;
        std::vector<Opened> told;
    };
    // Two files being read for a comparison, and who waits for its window.
    struct PendingComparison {
        CCompareFilesDoc* doc;
        std::function<void(CCompareFilesChildFrame*)> done;
    };

    ShellServices& shell_;
    RecentFileStore& recentFiles_;
    orvel::CommandTarget& application_;
    const orvel::CommandRegistry& commands_;
    QMdiArea* mdiArea_;
    CommandActions actions_;
    orvel::MenuBarKind menuKind_ = orvel::MenuBarKind::kNoDocument;
    std::vector<QAction*> recentActions_;
    QTimer idleTimer_;
    std::vector<QToolBar*> toolBars_;
    std::vector<QPointer<QAction>> windowListActions_;
    // Not owned: each reference window deletes itself when closed, after
    // telling the frame to forget it.
    CAsciiTableDlg* m_pAsciiTableDlg = nullptr;
    CNotationConvertDlg* m_pNotationDlg = nullptr;
    QPointer<HelpWnd> helpWnd_;
    StatusBarJobs* jobs_ = nullptr;
    // Documents whose files are being read, owned here until their windows open.
    std::vector<PendingOpen> opening_;
    std::vector<PendingComparison> comparing_;
};
