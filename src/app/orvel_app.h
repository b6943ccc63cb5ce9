#pragma once

#include <QApplication>
#include <QString>
#include <memory>

#include "app/recent_file_list.h"
#include "ui/command_target.h"
#include "ui/user_prompts.h"

class CMainFrame;
class QPrinter;

// The application object: start-up, the main frame, the shared services
// (prompts, the recent-file list kept in the settings under
// "Pellan Works"/"Orvel", the running number of untitled documents) and the
// application-level commands (Open, About).
class COrvelApp : public QApplication, public CommandTarget {
    Q_OBJECT
  public:
    COrvelApp(int& argc, char** argv);
    ~COrvelApp() override;

    [[nodiscard]] static COrvelApp* instance() { return static_cast<COrvelApp*>(qApp); }

    // Creates and shows the main frame maximised. Opens no document, whatever
    // the command line holds.
    bool InitInstance();
    [[nodiscard]] CMainFrame* mainFrame() const { return mainFrame_.get(); }

    [[nodiscard]] UserPrompts& prompts() { return *prompts_; }
    // Replaces the dialogs (the widget tests answer them from a script).
    void setPrompts(std::unique_ptr<UserPrompts> prompts) { prompts_ = std::move(prompts); }

    // The printer that Print Setup sets up and Print prints on.
    [[nodiscard]] QPrinter& printer();

    [[nodiscard]] int NextUntitledNumber() { return ++untitledCount_; }

    [[nodiscard]] const orvel::RecentFileList& recentFiles() const { return recentFiles_; }
    void AddToRecentFileList(const QString& path);
    void RemoveFromRecentFileList(const QString& path);

    bool OnCommand(orvel::Cmd cmd) override;
    bool OnUpdateCommand(orvel::Cmd cmd, CommandState& state) override;

    // 1 only while File Import Hex Values Text creates its document.
    int m_bImportHexText = 0;

  signals:
    void recentFilesChanged();

  private:
    void LoadRecentFileList();
    void SaveRecentFileList() const;

    std::unique_ptr<UserPrompts> prompts_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<QPrinter> printer_;
    orvel::RecentFileList recentFiles_{4};
    int untitledCount_ = 0;
};
