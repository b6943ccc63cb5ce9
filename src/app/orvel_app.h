#pragma once

#include <QApplication>
#include <QSettings>
#include <QString>
#include <memory>

#include "app/open_request.h"
#include "app/recent_file_store.h"
#include "ui/command_registry.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "view/dump_appearance.h"

class CMainFrame;
class QPrinter;

// The application object: start-up, the registry of every subsystem's
// commands, the main frame, the shell services the windows are given
// (prompts, the printer, the recent-file list kept in the settings under
// "Pellan Works"/"Orvel", the running number of untitled documents; the rest
// goes to the main frame) and the application-level commands (Open, Print
// Setup, About, the dump's font and mark display). It is the last link of the command route.
class COrvelApp : public QApplication, public orvel::CommandTarget, public ShellServices {
    Q_OBJECT
  public:
    COrvelApp(int& argc, char** argv);
    ~COrvelApp() override;

    [[nodiscard]] static COrvelApp* instance() { return static_cast<COrvelApp*>(qApp); }

    // Creates and shows the main frame maximised, then opens what the
    // command line asked for.
    bool InitInstance(const orvel::OpenRequest& open = {});
    [[nodiscard]] CMainFrame* mainFrame() const { return mainFrame_.get(); }

    // Replaces the dialogs (the widget tests answer them from a script).
    void setPrompts(std::unique_ptr<UserPrompts> prompts) { prompts_ = std::move(prompts); }

    [[nodiscard]] const orvel::RecentFileList& recentFiles() const { return recentFiles_.list(); }

    // ShellServices
    [[nodiscard]] UserPrompts& prompts() override { return *prompts_; }
    [[nodiscard]] QPrinter& printer() override;
    [[nodiscard]] QSettings& settings() override { return settings_; }
    [[nodiscard]] DumpAppearance& dumpAppearance() override { return appearance_; }
    [[nodiscard]] int NextUntitledNumber() override { return ++untitledCount_; }
    void AddToRecentFileList(const QString& path) override;
    void OpenDroppedFiles(const QStringList& paths) override;
    void ShowStatusMessage(const QString& text) override;
    void UpdateCommands() override;

    [[nodiscard]] const orvel::CommandRegistry& commands() const { return commands_; }
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnViewMarksAsBackground();
    void OnViewFont();

  private:
    void BuildCommands();

    orvel::CommandRegistry commands_;
    std::unique_ptr<UserPrompts> prompts_;
    QSettings settings_;
    RecentFileStore recentFiles_{settings_};
    DumpAppearance appearance_{settings_};
    std::unique_ptr<QPrinter> printer_;
    int untitledCount_ = 0;
    std::unique_ptr<CMainFrame> mainFrame_;
};
