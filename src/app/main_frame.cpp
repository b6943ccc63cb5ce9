#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

#include "app/child_frame.h"
#include "app/orvel_app.h"
#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "document/orvel_doc.h"
#include "view/orvel_view.h"

using orvel::Cmd;

CMainFrame::CMainFrame() : mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Orvel"));
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    statusBar()->showMessage(QStringLiteral("For Help, press F1"));
    CreateActions();
    BuildMenuBar(orvel::MenuBarKind::NoDocument);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnChildActivated);
    connect(COrvelApp::instance(), &COrvelApp::recentFilesChanged, this,
            &CMainFrame::UpdateCommands);
    // Update handlers also run on a short idle timer, like a framework's idle loop.
    idleTimer_.setInterval(250);
    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommands);
    idleTimer_.start();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateActions() {
    // One action per command; its text is the first one the menus give it.
    for (const auto kind : {orvel::MenuBarKind::SingleFile, orvel::MenuBarKind::Comparison}) {
        for (const orvel::Menu& menu : orvel::MenuBar(kind)) {
            for (const orvel::MenuItem& item : menu.items) {
                if (item.cmd == Cmd::None || item.cmd == Cmd::FileRecent)
                    continue;
                if (actions_.count(item.cmd) != 0)
                    continue;
                auto* action = new QAction(
                    QString::fromUtf8(item.text.data(), static_cast<int>(item.text.size())), this);
                const Cmd cmd = item.cmd;
                connect(action, &QAction::triggered, this, [this, cmd] { RouteCommand(cmd); });
                actions_[cmd] = action;
            }
        }
    }
    std::map<Cmd, QList<QKeySequence>> keys;
    for (const orvel::Accelerator& accelerator : orvel::Accelerators()) {
        keys[accelerator.cmd].append(QKeySequence::fromString(
            QString::fromUtf8(accelerator.keys.data(), static_cast<int>(accelerator.keys.size()))));
    }
    for (auto& [cmd, sequences] : keys) {
        QAction*& action = actions_[cmd];
        if (action == nullptr) {
            action = new QAction(this);
            const Cmd routed = cmd;
            connect(action, &QAction::triggered, this, [this, routed] { RouteCommand(routed); });
        }
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // keys work whichever menu bar is shown
    }
}

QAction* CMainFrame::ToolbarAction(Cmd cmd, const QString& text) {
    QAction*& action = actions_[cmd];
    if (action == nullptr) {
        action = new QAction(text, this);
        connect(action, &QAction::triggered, this, [this, cmd] { RouteCommand(cmd); });
    }
    return action;
}

QAction* CMainFrame::action(Cmd cmd) const {
    const auto it = actions_.find(cmd);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenuBar(orvel::MenuBarKind kind) {
    menuKind_ = kind;
    menuBar()->clear();
    for (const orvel::Menu& menu : orvel::MenuBar(kind)) {
        QMenu* qmenu = menuBar()->addMenu(
            QString::fromUtf8(menu.title.data(), static_cast<int>(menu.title.size())));
        QAction* recentPlace = nullptr;
        for (const orvel::MenuItem& item : menu.items) {
            if (item.cmd == Cmd::None) {
                qmenu->addSeparator();
            } else if (item.cmd == Cmd::FileRecent) {
                recentPlace = qmenu->addSeparator();
                recentPlace->setVisible(false);
            } else {
                qmenu->addAction(actions_.at(item.cmd));
            }
        }
        connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu, recentPlace] {
            if (recentPlace != nullptr)
                FillRecentFiles(qmenu, recentPlace);
            UpdateCommands();
        });
        if (recentPlace != nullptr)
            FillRecentFiles(qmenu, recentPlace);
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
    const auto& entries = COrvelApp::instance()->recentFiles().entries();
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
        auto* recent = new QAction(
            QStringLiteral("&%1 %2").arg(number++).arg(QDir::toNativeSeparators(path)), menu);
        connect(recent, &QAction::triggered, this, [this, path] {
            if (OpenDocumentFile(path) == nullptr) {
                COrvelApp::instance()->RemoveFromRecentFileList(path);
            }
        });
        menu->insertAction(before, recent);
        recentActions_.push_back(recent);
    }
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(mdiArea_->activeSubWindow());
}

std::vector<CChildFrame*> CMainFrame::children() const {
    std::vector<CChildFrame*> result;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            result.push_back(child);
    }
    return result;
}

std::vector<CommandTarget*> CMainFrame::Route() const {
    std::vector<CommandTarget*> route;
    if (auto* child = dynamic_cast<CommandFrame*>(mdiArea_->activeSubWindow())) {
        route.push_back(child->activeViewTarget());
        route.push_back(child->documentTarget());
        route.push_back(child);
    }
    route.push_back(const_cast<CMainFrame*>(this));
    route.push_back(COrvelApp::instance());
    return route;
}

bool CMainFrame::RouteCommand(Cmd cmd) {
    UpdateCommands();
    if (QAction* a = action(cmd); a != nullptr && !a->isEnabled())
        return false;
    for (CommandTarget* target : Route()) {
        if (target->OnCommand(cmd)) {
            UpdateCommands();
            return true;
        }
    }
    return false;
}

void CMainFrame::UpdateCommands() {
    const auto route = Route();
    for (auto& [cmd, action] : actions_) {
        CommandState state;
        bool handled = false;
        for (CommandTarget* target : route) {
            if (target->OnUpdateCommand(cmd, state)) {
                handled = true;
                break;
            }
        }
        // A command no link handles is not available.
        if (!handled)
            state.enabled = false;
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

bool CMainFrame::OnCommand(Cmd cmd) {
    switch (cmd) {
        case Cmd::FileNew:
            NewDocument();
            return true;
        case Cmd::FileExit:
            close();
            return true;
        case Cmd::FileCompare:
            CompareFiles();
            return true;
        default:
            return false;
    }
}

bool CMainFrame::OnUpdateCommand(Cmd cmd, CommandState& state) {
    switch (cmd) {
        case Cmd::FileNew:
        case Cmd::FileExit:
        case Cmd::FileCompare:
            state.enabled = true;
            return true;
        default:
            return false;
    }
}

CChildFrame* CMainFrame::AddChild(COrvelDoc* doc) {
    doc->setParent(this);
    auto* child = new CChildFrame(doc);
    mdiArea_->addSubWindow(child);
    child->ActivateFrame();
    child->view()->setFocus();
    UpdateCommands();
    return child;
}

CChildFrame* CMainFrame::NewDocument() {
    auto* doc = new COrvelDoc(this);
    doc->setDialogParent(this);
    if (!doc->OnNewDocument()) {
        delete doc;
        return nullptr;
    }
    return AddChild(doc);
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* child : children()) {
        if (child->document()->path() == absolute) {
            mdiArea_->setActiveSubWindow(child);
            return child;
        }
    }
    auto* doc = new COrvelDoc(this);
    doc->setDialogParent(this);
    if (!doc->OnOpenDocument(path)) {
        delete doc;
        return nullptr;
    }
    COrvelApp::instance()->AddToRecentFileList(doc->path());
    return AddChild(doc);
}

CCompareFilesChildFrame* CMainFrame::CompareFiles() {
    auto doc = std::make_unique<CCompareFilesDoc>();
    doc->setDialogParent(this);
    if (!doc->OnNewDocument())
        return nullptr;
    auto* child = new CCompareFilesChildFrame(std::move(doc));
    mdiArea_->addSubWindow(child);
    child->ActivateFrame();
    UpdateCommands();
    return child;
}

void CMainFrame::OnChildActivated() {
    const auto* child = dynamic_cast<CommandFrame*>(mdiArea_->activeSubWindow());
    const auto kind = child != nullptr ? child->menuKind() : orvel::MenuBarKind::NoDocument;
    if (kind != menuKind_)
        BuildMenuBar(kind);
    UpdateCommands();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* child : mdiArea_->subWindowList()) {
        if (!child->close()) {
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
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}
