#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyleOptionTitleBar>
#include <QToolBar>
#include <algorithm>

#include "app/app_icons.h"
#include "app/cascade_layout.h"
#include "app/child_frame.h"
#include "app/help_window.h"
#include "app/recent_file_store.h"
#include "app/shell_command_table.h"
#include "app/status_readouts.h"
#include "app/toolbar_tables.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "compare/compare_tool_icons.h"
#include "document/file_stamp.h"
#include "document/orvel_doc.h"
#include "inspector/caret_readouts.h"
#include "inspector/data_inspector_dock.h"
#include "jobs/status_bar_jobs.h"
#include "tools/ascii_table_dlg.h"
#include "tools/notation_convert_dlg.h"
#include "ui/close_guard.h"
#include "ui/menu_entry.h"
#include "ui/qt_string.h"
#include "ui/shell_services.h"
#include "ui/window_title.h"
#include "view/orvel_view.h"

namespace Cmd = orvel::Cmd;

CMainFrame::CMainFrame(ShellServices& shell, RecentFileStore& recentFiles,
                       orvel::CommandTarget& application, const orvel::CommandRegistry& commands)
    : shell_(shell),
      recentFiles_(recentFiles),
      application_(application),
      commands_(commands),
      mdiArea_(new QMdiArea(this)),
      actions_(commands, *this, [this](orvel::CommandId cmd) { RouteCommand(cmd); }) {
    setWindowTitle(QStringLiteral("Orvel"));
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    BuildMenuBar(orvel::MenuBarKind::kNoDocument);
    CreateToolBars();
    CreateStatusBar();
    CreateDataInspector();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnChildActivated);
    connect(&recentFiles_, &RecentFileStore::changed, this, &CMainFrame::UpdateCommands);
    // A click into the other pane of a comparison changes the route. Queued:
    // focus also moves while a window is being destroyed, when its commands
    // must not be asked about their state.
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommands,
            Qt::QueuedConnection);
    // Update handlers also run on a short idle timer, like a framework's idle loop.
    idleTimer_.setInterval(250);
    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommands);
    idleTimer_.start();
}

// The jobs end before the windows and documents they use go.
CMainFrame::~CMainFrame() {
    disconnect(jobs_, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(inspector_, nullptr, this, nullptr);
    EndPendingDocuments();
    jobs_->EndAll();
}

// The two toolbars share the top row, the Mark Toolbar right of the main one.
void CMainFrame::CreateToolBars() {
    for (const orvel::Toolbar& layout : orvel::Toolbars()) {
        QToolBar* bar = actions_.MakeToolBar(layout, CommandIcon);
        addToolBar(Qt::TopToolBarArea, bar);
        toolBars_.push_back(bar);
    }
}

QToolBar* CMainFrame::toolBar(const QString& title) const {
    for (QToolBar* bar : toolBars_) {
        if (bar->windowTitle() == title)
            return bar;
    }
    return nullptr;
}

// The message pane shows a command's prompt while its item or button is
// under the pointer (a temporary message hides the idle text), then the
// idle text again. The lock-key indicators follow: Qt does not tell the state
// of the lock keys, so they stay in the disabled look rather than seem on.
void CMainFrame::CreateStatusBar() {
    auto* idle = new QLabel(ToQString(orvel::kIdlePrompt));
    idle->setObjectName(QStringLiteral("idlePrompt"));
    statusBar()->addWidget(idle, 1);
    readouts_ = new StatusReadouts(statusBar());
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromLatin1(indicator));
        label->setObjectName(QString::fromLatin1(indicator));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(QStringLiteral("The state of the lock keys is not available here"));
        label->setEnabled(false);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
        statusBar()->addPermanentWidget(label);
    }
    jobs_ = new StatusBarJobs(statusBar(), this);
    connect(jobs_, &StatusBarJobs::jobsChanged, this, &CMainFrame::UpdateCommands);
}

namespace {

constexpr char kDataInspectorKey[] = "View/DataInspector";

}  // namespace

// The dock stands right of the client area, shown as it was when Orvel last ran.
void CMainFrame::CreateDataInspector() {
    inspector_ = new DataInspectorDock(shell_, this);
    addDockWidget(Qt::RightDockWidgetArea, inspector_);
    inspector_->setVisible(shell_.settings().value(QLatin1String(kDataInspectorKey)).toBool());
    connect(inspector_, &QDockWidget::visibilityChanged, this, [this] {
        shell_.settings().setValue(QLatin1String(kDataInspectorKey), !inspector_->isHidden());
    });
}

void CMainFrame::ToggleDataInspector() {
    inspector_->setVisible(inspector_->isHidden());
}

void CMainFrame::FollowActiveView() {
    QMdiSubWindow* current = mdiArea_->currentSubWindow();
    COrvelView* view = nullptr;
    if (auto* window = dynamic_cast<CommandFrame*>(current))
        view = dynamic_cast<COrvelView*>(window->activeViewTarget());
    readouts_->Follow(view);
    inspector_->Follow(view);
    QString differences;
    if (auto* comparison = qobject_cast<CCompareFilesChildFrame*>(current)) {
        if (const auto& result = comparison->lastComparison())
            differences =
                ToQString(orvel::DifferencesReadout(result->differences, result->finished));
    }
    readouts_->ShowDifferences(differences);
}

void CMainFrame::BuildMenuBar(orvel::MenuBarKind kind) {
    menuKind_ = kind;
    menuBar()->clear();
    for (const orvel::Menu& menu : orvel::MenuBar(kind)) {
        QMenu* qmenu = menuBar()->addMenu(ToQString(menu.title));
        QAction* recentPlace = nullptr;
        for (const orvel::CommandId cmd : menu.items) {
            if (cmd == Cmd::None) {
                qmenu->addSeparator();
            } else if (cmd == Cmd::FileRecent) {
                recentPlace = qmenu->addSeparator();
                recentPlace->setVisible(false);
            } else {
                qmenu->addAction(actions_.action(cmd));
            }
        }
        connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu, recentPlace] {
            if (recentPlace != nullptr)
                FillRecentFiles(qmenu, recentPlace);
            UpdateCommands();
        });
        if (recentPlace != nullptr)
            FillRecentFiles(qmenu, recentPlace);
        if (menu.title == "&Window")
            connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu] { FillWindowList(qmenu); });
    }
}

// The Window menu ends with the open windows, the active one checked.
void CMainFrame::FillWindowList(QMenu* menu) {
    for (const QPointer<QAction>& old : windowListActions_)
        delete old.data();
    windowListActions_.clear();
    const auto windows = mdiArea_->subWindowList();
    if (windows.empty())
        return;
    windowListActions_.emplace_back(menu->addSeparator());
    int number = 1;
    for (QMdiSubWindow* child : windows) {
        QAction* entry = menu->addAction(QString::fromStdString(
            orvel::NumberedMenuEntry(number++, TitleAsShown(*child).toStdString())));
        entry->setCheckable(true);
        entry->setChecked(child == mdiArea_->currentSubWindow());
        connect(entry, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(child)] {
            if (window != nullptr)
                mdiArea_->setActiveSubWindow(window);
        });
        windowListActions_.emplace_back(entry);
    }
}

// The recent-file list stands in the File menu in place of its marker; with
// no entry the menu shows the usual disabled "Recent File" item.
void CMainFrame::FillRecentFiles(QMenu* menu, QAction* before) {
    for (QAction* old : recentActions_) {
        menu->removeAction(old);
        old->deleteLater();
    }
    recentActions_.clear();
    const auto& entries = recentFiles_.list().entries();
    if (entries.empty()) {
        auto* none = new QAction(QStringLiteral("Recent File"), menu);
        none->setEnabled(false);
        menu->insertAction(before, none);
        recentActions_.push_back(none);
        return;
    }
    int number = 1;
    for (const std::string& entry : entries) {
        const QString path = QString::fromStdString(entry);
        const QString text = QString::fromStdString(
            orvel::NumberedMenuEntry(number++, QDir::toNativeSeparators(path).toStdString()));
        auto* recent = new QAction(text, menu);
        connect(recent, &QAction::triggered, this, [this, path] {
            OpenDocumentFile(path, [this, path](CChildFrame*, COrvelDoc::OpenOutcome outcome) {
                if (outcome == COrvelDoc::OpenOutcome::kFailed)
                    recentFiles_.Remove(path);
            });
        });
        menu->insertAction(before, recent);
        recentActions_.push_back(recent);
    }
}

// The current window stays current while another top-level window (a
// non-modal message box, a reference window) has the focus, so the menus and
// the command route keep following it.
CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow());
}

std::vector<CChildFrame*> CMainFrame::children() const {
    std::vector<CChildFrame*> result;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            result.push_back(child);
    }
    return result;
}

orvel::CommandRoute CMainFrame::RouteThrough(CommandFrame& window, orvel::CommandTarget* view) {
    return {view, window.documentTarget(), &window, this, &application_};
}

orvel::CommandRoute CMainFrame::Route() {
    if (auto* window = dynamic_cast<CommandFrame*>(mdiArea_->currentSubWindow()))
        return RouteThrough(*window, window->activeViewTarget());
    return {this, &application_};
}

orvel::CommandRoute CMainFrame::RouteFrom(COrvelView* view) {
    for (QWidget* widget = view; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* window = dynamic_cast<CommandFrame*>(widget))
            return RouteThrough(*window, view);
    }
    return {view, this, &application_};
}

bool CMainFrame::RouteCommand(orvel::CommandId cmd) {
    UpdateCommands();
    const orvel::CommandRoute route = Route();
    if (!commands_.State(cmd, route).enabled)
        return false;
    // Any command ends a run of typing in the active view.
    if (auto* view = orvel::FindLink<COrvelView>(route))
        view->data().EndTyping();
    commands_.Run(cmd, route);
    UpdateCommands();
    return true;
}

void CMainFrame::UpdateCommands() {
    actions_.Update(Route());
}

void CMainFrame::ToggleStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
}

// A second window on the active document: its own view, selection and marks
// over the same bytes.
void CMainFrame::OnWindowNew() {
    if (CChildFrame* active = activeChild())
        AddChild(active->document());
}

// Overlaps the windows that are not minimised, each big enough to work in,
// one title bar apart; the active window stays in front.
void CMainFrame::Cascade() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isMinimized() && !window->isHidden())
            windows << window;
    }
    if (windows.isEmpty())
        return;
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    QStyleOptionTitleBar titleBar;
    titleBar.initFrom(windows.front());
    const int step = windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, &titleBar,
                                                           windows.front());
    const QSize area = mdiArea_->viewport()->size();
    const auto rects =
        orvel::CascadeRects(static_cast<int>(windows.size()), area.width(), area.height(), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const orvel::WindowRect& r = rects[static_cast<std::size_t>(i)];
        windows[i]->showNormal();
        windows[i]->setGeometry(r.x, r.y, r.width, r.height);
        windows[i]->raise();
    }
    if (active != nullptr)
        mdiArea_->setActiveSubWindow(active);
}

// Lines the minimised windows up along the bottom of the client area.
void CMainFrame::ArrangeIcons() {
    int x = 0;
    const int bottom = mdiArea_->viewport()->height();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

HelpWnd* CMainFrame::helpWindow() const {
    return helpWnd_;
}

void CMainFrame::OnHelp() {
    if (helpWnd_ == nullptr)
        helpWnd_ = new HelpWnd(commands_, this);
    helpWnd_->show();
    helpWnd_->raise();
    helpWnd_->activateWindow();
}

namespace {

// Shows a reference window always on top at (screen width / divisor, screen
// height / divisor), keeping its size.
void PlaceReferenceWindow(QWidget* window, int divisor) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect();
    window->move(area.width() / divisor, area.height() / divisor);
    window->show();
    window->raise();
}

void FocusWindow(QWidget* window) {
    window->raise();
    window->activateWindow();
}

}  // namespace

void CMainFrame::OnAsciiTable() {
    if (m_pAsciiTableDlg != nullptr) {
        FocusWindow(m_pAsciiTableDlg);
        return;
    }
    m_pAsciiTableDlg = new CAsciiTableDlg(this);
    connect(m_pAsciiTableDlg, &CAsciiTableDlg::closed, this,
            [this] { m_pAsciiTableDlg = nullptr; });
    PlaceReferenceWindow(m_pAsciiTableDlg, 3);
}

void CMainFrame::OnNotationConvert() {
    if (m_pNotationDlg != nullptr) {
        FocusWindow(m_pNotationDlg);
        return;
    }
    m_pNotationDlg = new CNotationConvertDlg(this);
    connect(m_pNotationDlg, &CNotationConvertDlg::closed, this,
            [this] { m_pNotationDlg = nullptr; });
    PlaceReferenceWindow(m_pNotationDlg, 2);
}

CChildFrame* CMainFrame::AddChild(COrvelDoc* doc) {
    doc->setParent(this);
    auto* child = new CChildFrame(shell_, doc);
    mdiArea_->addSubWindow(child);
    doc->NotifyStateChanged();  // the titles number a document's windows
    child->ActivateFrame();
    child->view()->setFocus();
    UpdateCommands();
    return child;
}

CChildFrame* CMainFrame::NewDocument(NewDocumentContent content) {
    auto* doc = new COrvelDoc(shell_, jobs_, this);
    doc->setDialogParent(this);
    if (!doc->OnNewDocument(content)) {
        delete doc;
        return nullptr;
    }
    return AddChild(doc);
}

void CMainFrame::OpenDocumentFile(const QString& path, Opened opened) {
    if (!opened)
        opened = [](CChildFrame*, COrvelDoc::OpenOutcome) {};
    // One window per file, however its path is written (a symbolic link, a
    // hard link).
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const auto same = [&absolute](const QString& own) {
        return own == absolute ||
               orvel::IsSameFileOnDisk(own.toStdString(), absolute.toStdString());
    };
    for (CChildFrame* child : children()) {
        if (same(child->document()->path())) {
            mdiArea_->setActiveSubWindow(child);
            return opened(child, COrvelDoc::OpenOutcome::kOpened);
        }
    }
    for (PendingOpen& pending : opening_) {
        if (same(pending.path)) {
            pending.told.push_back(std::move(opened));
            return;
        }
    }
    auto* doc = new COrvelDoc(shell_, jobs_, this);
    doc->setDialogParent(this);
    opening_.push_back({doc, absolute, {std::move(opened)}});
    doc->OnOpenDocument(path,
                        [this, doc](COrvelDoc::OpenOutcome outcome) { OpenEnded(doc, outcome); });
}

void CMainFrame::OpenDocumentFiles(QStringList paths) {
    if (paths.isEmpty())
        return;
    const QString first = paths.takeFirst();
    OpenDocumentFile(first,
                     [this, rest = std::move(paths)](CChildFrame*, COrvelDoc::OpenOutcome outcome) {
                         if (outcome != COrvelDoc::OpenOutcome::kStopped)
                             OpenDocumentFiles(rest);
                     });
}

void CMainFrame::OpenEnded(COrvelDoc* doc, COrvelDoc::OpenOutcome outcome) {
    const auto it = std::find_if(opening_.begin(), opening_.end(),
                                 [doc](const PendingOpen& pending) { return pending.doc == doc; });
    const std::vector<Opened> told = std::move(it->told);
    opening_.erase(it);
    CChildFrame* child = nullptr;
    if (outcome == COrvelDoc::OpenOutcome::kOpened) {
        shell_.AddToRecentFileList(doc->path());
        child = AddChild(doc);
    } else {
        doc->deleteLater();  // its job is still returning
    }
    for (const Opened& opened : told)
        opened(child, outcome);
}

void CMainFrame::CompareFiles(std::function<void(CCompareFilesChildFrame*)> done) {
    StartComparison([](CCompareFilesDoc& doc,
                       std::function<void(bool)> loaded) { doc.OnNewDocument(std::move(loaded)); },
                    std::move(done));
}

void CMainFrame::CompareFiles(const QString& path1, const QString& path2,
                              std::function<void(CCompareFilesChildFrame*)> done) {
    StartComparison(
        [&path1, &path2](CCompareFilesDoc& doc, std::function<void(bool)> loaded) {
            doc.LoadFiles(path1, path2, std::move(loaded));
        },
        std::move(done));
}

void CMainFrame::StartComparison(const LoadComparison& load,
                                 std::function<void(CCompareFilesChildFrame*)> done) {
    if (!done)
        done = [](CCompareFilesChildFrame*) {};
    auto* doc = new CCompareFilesDoc(shell_, jobs_);
    doc->setParent(this);
    doc->setDialogParent(this);
    comparing_.push_back({doc, std::move(done)});
    load(*doc, [this, doc](bool loaded) { ComparisonLoaded(doc, loaded); });
}

void CMainFrame::Open(const orvel::OpenRequest& request) {
    QStringList paths;
    for (const std::string& file : request.files)
        paths << QString::fromStdString(file);
    if (request.kind == orvel::OpenRequest::Kind::kComparison && paths.size() == 2) {
        CompareFiles(paths[0], paths[1]);
    } else {
        OpenDocumentFiles(paths);
    }
}

void CMainFrame::OpenDroppedFiles(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    Open(orvel::ForDroppedFiles(std::move(files)));
}

void CMainFrame::ComparisonLoaded(CCompareFilesDoc* doc, bool loaded) {
    const auto it =
        std::find_if(comparing_.begin(), comparing_.end(),
                     [doc](const PendingComparison& pending) { return pending.doc == doc; });
    const auto done = std::move(it->done);
    comparing_.erase(it);
    if (!loaded) {
        doc->deleteLater();  // its job may still be returning
        return done(nullptr);
    }
    doc->setParent(nullptr);
    auto* child =
        new CCompareFilesChildFrame(shell_, std::unique_ptr<CCompareFilesDoc>(doc),
                                    actions_.MakeToolBar(orvel::CompareToolbar(), CompareToolIcon));
    connect(child, &CCompareFilesChildFrame::activeViewChanged, this,
            &CMainFrame::FollowActiveView);
    connect(child, &CCompareFilesChildFrame::comparisonChanged, this,
            &CMainFrame::FollowActiveView);
    mdiArea_->addSubWindow(child);
    child->ActivateFrame();
    UpdateCommands();
    done(child);
}

void CMainFrame::EndPendingDocuments() {
    const std::vector<PendingOpen> opening = std::move(opening_);
    opening_.clear();
    for (const PendingOpen& pending : opening) {
        delete pending.doc;  // ends its job at once
        for (const Opened& opened : pending.told)
            opened(nullptr, COrvelDoc::OpenOutcome::kStopped);
    }
    const std::vector<PendingComparison> comparing = std::move(comparing_);
    comparing_.clear();
    for (const PendingComparison& pending : comparing) {
        delete pending.doc;
        pending.done(nullptr);
    }
}

void CMainFrame::OnChildActivated() {
    const auto* child = dynamic_cast<CommandFrame*>(mdiArea_->currentSubWindow());
    const auto kind = child != nullptr ? child->menuKind() : orvel::MenuBarKind::kNoDocument;
    if (kind != menuKind_)
        BuildMenuBar(kind);
    FollowActiveView();
    UpdateCommands();
}

// Every document is asked its questions before any window closes, so that a
// refusal anywhere closes nothing (a file saved while asking stays saved).
void CMainFrame::closeEvent(QCloseEvent* event) {
    std::vector<CloseGuard*> guards;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        auto* child = dynamic_cast<CommandFrame*>(window);
        if (child == nullptr)
            continue;
        CloseGuard* guard = &child->closeGuard();
        if (std::find(guards.begin(), guards.end(), guard) == guards.end())
            guards.push_back(guard);
    }
    for (CloseGuard* guard : guards) {
        if (!guard->QueryClose()) {
            event->ignore();
            return;
        }
    }
    for (CloseGuard* guard : guards)
        guard->CommitClose();
    EndPendingDocuments();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    OpenDroppedFiles(paths);
    event->acceptProposedAction();
}
