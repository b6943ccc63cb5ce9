#include "view/export_command.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QStatusBar>
#include <memory>

#include "app/file_filter.h"
#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "app/wait_cursor.h"
#include "view/dump_export.h"
#include "view/orvel_view.h"

using orvel::Cmd;

namespace {

// Exports quicker than this show no progress bar.
constexpr qint64 kProgressDelayMs = 500;

// A progress bar in the status bar, shown once an export has run for a while.
class StatusProgress {
  public:
    StatusProgress() { clock_.start(); }

    bool Update(double fraction) {
        if (bar_ == nullptr) {
            if (clock_.elapsed() < kProgressDelayMs)
                return true;
            CMainFrame* frame = COrvelApp::instance()->mainFrame();
            if (frame == nullptr)
                return true;
            bar_ = std::make_unique<QProgressBar>();
            bar_->setRange(0, 1000);
            bar_->setMaximumWidth(200);
            frame->statusBar()->addPermanentWidget(bar_.get());
            bar_->show();
        }
        bar_->setValue(static_cast<int>(fraction * 1000));
        bar_->repaint();  // the export holds the event loop; paint now
        return true;
    }

  private:
    QElapsedTimer clock_;
    std::unique_ptr<QProgressBar> bar_;
};

}  // namespace

void ExportDumpText(QWidget* parent, const orvel::DumpText& text) {
    UserPrompts::FileDialog dialog{QStringLiteral("Select the file to save the hex display"),
                                   DialogFilterText(orvel::kTextFilesFilter), QStringLiteral("txt"),
                                   QString()};
    const QString path = COrvelApp::instance()->prompts().SaveFileName(parent, dialog);
    if (path.isEmpty())
        return;
    orvel::FileError error;
    bool written;
    {
        WaitCursor wait;
        StatusProgress progress;
        written = orvel::WriteDumpTextFile(
            text, path.toStdString(), error,
            [&progress](double fraction) { return progress.Update(fraction); });
    }
    if (!written) {
        COrvelApp::instance()->prompts().Tell(
            parent,
            QString::fromStdString(orvel::ExportErrorMessage(path.toStdString(), error.text)));
    }
}

bool ExportCommand::OnCommand(Cmd cmd) {
    if (cmd != Cmd::FileExportHexText)
        return false;
    ExportDumpText(view_.window(), view_.dump());
    return true;
}

bool ExportCommand::OnUpdateCommand(Cmd cmd, CommandState& state) {
    if (cmd != Cmd::FileExportHexText)
        return false;
    state.enabled = view_.IsMarkIdle();
    return true;
}
