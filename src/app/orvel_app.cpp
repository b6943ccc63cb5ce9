#include "app/orvel_app.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include "app/about_dialog.h"
#include "app/app_icons.h"
#include "app/command_catalog.h"
#include "app/main_frame.h"
#include "app/qt_user_prompts.h"
#include "app/shell_command_handlers.h"
#include "compare/compare_command_handlers.h"
#include "document/document_command_handlers.h"
#include "editing/edit_command_handlers.h"
#include "marking/mark_command_handlers.h"
#include "ui/file_filter.h"
#include "view/view_command_handlers.h"

namespace Cmd = orvel::Cmd;
using orvel::On;

COrvelApp::COrvelApp(int& argc, char** argv)
    : QApplication(argc, argv),
      prompts_(std::make_unique<QtUserPrompts>()),
      settings_(QStringLiteral("Pellan Works"), QStringLiteral("Orvel")) {
    setOrganizationName(QStringLiteral("Pellan Works"));
    // No display name: the window system would add it to every title.
    setApplicationName(QStringLiteral("Orvel"));
    setWindowIcon(ApplicationIcon());
    BuildCommands();
}

// The main frame goes first, while every service is still there for the
// windows it closes; meanwhile mainFrame() is null.
COrvelApp::~COrvelApp() {
    mainFrame_.reset();
}

bool COrvelApp::InitInstance() {
    mainFrame_ = std::make_unique<CMainFrame>(*this, recentFiles_, *this, commands_);
    mainFrame_->showMaximized();
    return true;
}

QPrinter& COrvelApp::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void COrvelApp::AddToRecentFileList(const QString& path) {
    recentFiles_.Add(path);
}

void COrvelApp::OpenDocumentFiles(const QStringList& paths) {
    if (mainFrame_)
        mainFrame_->OpenDocumentFiles(paths);
}

void COrvelApp::UpdateCommands() {
    if (mainFrame_)
        mainFrame_->UpdateCommands();
}

void COrvelApp::OnFileOpen() {
    const QString path = prompts().OpenFileName(
        mainFrame_.get(),
        {QStringLiteral("Open"), DialogFilterText(orvel::kAllFilesFilter), {}, {}});
    if (!path.isEmpty())
        mainFrame_->OpenDocumentFile(path);
}

void COrvelApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&printer(), mainFrame_.get());
    dialog.exec();
}

void COrvelApp::OnAppAbout() {
    AboutDlg about(mainFrame_.get());
    about.exec();
}

// Every subsystem's commands, each bound to its handler.
void COrvelApp::BuildCommands() {
    orvel::AddCommandTables(commands_);
    BindDocumentCommands(commands_);
    BindViewCommands(commands_);
    BindEditCommands(commands_);
    BindMarkCommands(commands_);
    BindCompareCommands(commands_);
    BindShellCommands(commands_);
    commands_.Bind(Cmd::FileOpen, On<COrvelApp>([](COrvelApp& app) { app.OnFileOpen(); }));
    commands_.Bind(Cmd::FilePrintSetup,
                   On<COrvelApp>([](COrvelApp& app) { app.OnFilePrintSetup(); }));
    commands_.Bind(Cmd::HelpAbout, On<COrvelApp>([](COrvelApp& app) { app.OnAppAbout(); }));
}
