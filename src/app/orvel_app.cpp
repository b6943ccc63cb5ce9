#include "app/orvel_app.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include "app/about_dialog.h"
#include "app/app_icons.h"
#include "app/main_frame.h"
#include "app/qt_user_prompts.h"
#include "ui/file_filter.h"

using orvel::Cmd;

COrvelApp::COrvelApp(int& argc, char** argv)
    : QApplication(argc, argv),
      prompts_(std::make_unique<QtUserPrompts>()),
      settings_(QStringLiteral("Pellan Works"), QStringLiteral("Orvel")) {
    setOrganizationName(QStringLiteral("Pellan Works"));
    // No display name: the window system would add it to every title.
    setApplicationName(QStringLiteral("Orvel"));
    setWindowIcon(ApplicationIcon());
}

// The main frame goes first, while every service is still there for the
// windows it closes; meanwhile mainFrame() is null.
COrvelApp::~COrvelApp() {
    mainFrame_.reset();
}

bool COrvelApp::InitInstance() {
    mainFrame_ = std::make_unique<CMainFrame>(*this, recentFiles_, *this);
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

bool COrvelApp::OnCommand(Cmd cmd) {
    switch (cmd) {
        case Cmd::FileOpen: {
            const QString path = prompts().OpenFileName(
                mainFrame_.get(),
                {QStringLiteral("Open"), DialogFilterText(orvel::kAllFilesFilter), {}, {}});
            if (!path.isEmpty())
                mainFrame_->OpenDocumentFile(path);
            return true;
        }
        case Cmd::FilePrintSetup: {
            QPageSetupDialog dialog(&printer(), mainFrame_.get());
            dialog.exec();
            return true;
        }
        case Cmd::HelpAbout: {
            CAboutDlg about(mainFrame_.get());
            about.exec();
            return true;
        }
        default:
            return false;
    }
}

bool COrvelApp::OnUpdateCommand(Cmd cmd, CommandState& state) {
    switch (cmd) {
        case Cmd::FileOpen:
        case Cmd::FilePrintSetup:
        case Cmd::HelpAbout:
            state.enabled = true;
            return true;
        default:
            return false;
    }
}
