#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/child_frame.h"
#include "app/command_catalog.h"
#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "document/orvel_doc.h"
#include "support/qt_print.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "view/orvel_view.h"

class CCompareFilesChildFrame;

// The widget tests share one application and main frame; each test starts
// with no document window, a fresh prompt script and a temporary folder.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] CMainFrame* frame() const { return COrvelApp::instance()->mainFrame(); }
    [[nodiscard]] ScriptedPrompts& prompts() const { return *prompts_; }
    // Closes every window, answering No to any save question.
    void CloseAll();
    // File Open of `path`, waiting until the file has been read: its window,
    // or null when none opened.
    CChildFrame* OpenFile(const QString& path);
    CChildFrame* OpenFile(const std::string& path) {
        return OpenFile(QString::fromStdString(path));
    }
    // Writes `bytes` to the file `name` of the temporary folder: its path.
    std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // Writes the file as WriteFile and opens it as OpenFile.
    CChildFrame* OpenBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        return OpenFile(WriteFile(name, bytes));
    }
    // Whether the command's action is enabled once the commands are updated.
    [[nodiscard]] bool Enabled(orvel::CommandId cmd) const;
    // File Compare, waiting until both files have been read: the window, or
    // null when none opened.
    CCompareFilesChildFrame* CompareFiles();
    // Waits until no background job (open, save, export, comparison) runs.
    [[nodiscard]] bool WaitJobs() const;
    // Types `text` into the view as key presses.
    static void Type(COrvelView* view, const QString& text);
    static void ClickAt(COrvelView* view, orvel::Offset pos);
    static std::string ViewText(const COrvelView* view);

    orvel::test::TempDir dir_;
    ScriptedPrompts* prompts_ = nullptr;
};
