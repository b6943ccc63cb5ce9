#include "app/orvel_app.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

#include "app/about_dialog.h"
#include "app/app_icons.h"
#include "app/main_frame.h"
#include "app/qt_user_prompts.h"
#include "ui/file_filter.h"

using orvel::Cmd;

namespace {

constexpr int kRecentFileCount = 4;

QSettings Profile() {
    return QSettings(QStringLiteral("Pellan Works"), QStringLiteral("Orvel"));
}

}  // namespace

COrvelApp::COrvelApp(int& argc, char** argv)
    : QApplication(argc, argv), prompts_(std::make_unique<QtUserPrompts>()) {
    setOrganizationName(QStringLiteral("Pellan Works"));
    // No display name: the window system would add it to every title.
    setApplicationName(QStringLiteral("Orvel"));
    setWindowIcon(ApplicationIcon());
    LoadRecentFileList();
}

COrvelApp::~COrvelApp() = default;

bool COrvelApp::InitInstance() {
    mainFrame_ = std::make_unique<CMainFrame>();
    mainFrame_->showMaximized();
    return true;
}

QPrinter& COrvelApp::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void COrvelApp::LoadRecentFileList() {
    QSettings settings = Profile();
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = kRecentFileCount; i >= 1; --i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty())
            recentFiles_.Add(path.toStdString());
    }
}

void COrvelApp::SaveRecentFileList() const {
    QSettings settings = Profile();
    settings.beginGroup(QStringLiteral("Recent File List"));
    const auto& entries = recentFiles_.entries();
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i + 1);
        if (i < static_cast<int>(entries.size())) {
            settings.setValue(key, QString::fromStdString(entries[i]));
        } else {
            settings.remove(key);
        }
    }
}

void COrvelApp::AddToRecentFileList(const QString& path) {
    recentFiles_.Add(path.toStdString());
    SaveRecentFileList();
    emit recentFilesChanged();
}

void COrvelApp::RemoveFromRecentFileList(const QString& path) {
    recentFiles_.Remove(path.toStdString());
    SaveRecentFileList();
    emit recentFilesChanged();
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
