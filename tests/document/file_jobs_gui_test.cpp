// Opening, saving and exporting as background jobs: what Esc stops and what
// it cannot, what waits while a job reads the bytes, and closing meanwhile.
#include <QAction>
#include <QMdiArea>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>

#include "compare/compare_files_child_frame.h"
#include "compare/compare_files_doc.h"
#include "compare/compared_file_view.h"
#include "jobs/status_bar_jobs.h"
#include "support/gui_fixture.h"
#include "view/dump_export.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;
using Outcome = COrvelDoc::OpenOutcome;

namespace {

class FileJobsTest : public GuiTest {
  protected:
    // Starts File Open of `path`; the answer comes once the open has ended.
    std::shared_ptr<std::optional<Outcome>> StartOpen(const std::string& path) {
        auto outcome = std::make_shared<std::optional<Outcome>>();
        frame()->OpenDocumentFile(QString::fromStdString(path),
                                  [outcome](CChildFrame*, Outcome how) { *outcome = how; });
        return outcome;
    }
    static bool Enabled(CommandId cmd) {
        COrvelApp::instance()->mainFrame()->UpdateCommands();
        return COrvelApp::instance()->mainFrame()->action(cmd)->isEnabled();
    }
    [[nodiscard]] std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir_.path()),
                          std::filesystem::directory_iterator()));
    }
    static void PressEsc(QWidget* where) { QTest::keyClick(where, Qt::Key_Escape); }
};

// Esc before the window is there stops the open: no window, no message, and
// the file does not join the recent-file list.
TEST_F(FileJobsTest, EscStopsAnOpenBeforeItsWindowComes) {
    const std::string path = dir_.File("stopped.bin");
    WriteFileBytes(path, Bytes(100000, 7));
    const auto outcome = StartOpen(path);
    PressEsc(frame());
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(*outcome, Outcome::kStopped);
    EXPECT_TRUE(frame()->children().empty());
    EXPECT_TRUE(prompts().asked.isEmpty());
    const auto& recent = COrvelApp::instance()->recentFiles().entries();
    EXPECT_EQ(std::find(recent.begin(), recent.end(), path), recent.end());
    // Without Esc the same file opens.
    ASSERT_NE(OpenFile(path), nullptr);
}

// Esc stops the reading of the two files of a comparison the same way.
TEST_F(FileJobsTest, EscStopsTheReadingOfAComparison) {
    WriteFileBytes(dir_.File("one"), Bytes(100000, 1));
    WriteFileBytes(dir_.File("two"), Bytes(100000, 2));
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("one")));
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("two")));
    auto window = std::make_shared<std::optional<CCompareFilesChildFrame*>>();
    frame()->CompareFiles([window](CCompareFilesChildFrame* opened) { *window = opened; });
    PressEsc(frame());
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(*window, nullptr);
    EXPECT_TRUE(frame()->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(prompts().asked.size(), 2);  // the two file dialogs only
}

// Opening a file that is being opened already waits for the same window.
TEST_F(FileJobsTest, TwoOpensOfOneFileGiveOneWindow) {
    const std::string path = dir_.File("twice.bin");
    WriteFileBytes(path, {1, 2});
    const auto first = StartOpen(path);
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(*first, Outcome::kOpened);
    EXPECT_EQ(frame()->children().size(), 1u);
}

// Esc stops an export until the file would take the target's place: the old
// target stays byte for byte, nothing is left beside it, nothing is said.
TEST_F(FileJobsTest, EscStopsAnExportAndLeavesTheTargetAsItWas) {
    WriteFileBytes(dir_.File("four.bin"), {0x4D, 0x5A, 0x90, 0x00});
    CChildFrame* child = OpenFile(dir_.File("four.bin"));
    ASSERT_NE(child, nullptr);
    const std::string target = dir_.File("dump.txt");
    const Bytes old(3000, 'x');
    WriteFileBytes(target, old);
    const std::size_t files = FilesInFolder();
    prompts().ChooseFileNext(QString::fromStdString(target));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::FileExportHexText));
    PressEsc(child->view());
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(target), old);
    EXPECT_EQ(FilesInFolder(), files);
    EXPECT_EQ(prompts().asked, QStringList{"Select the file to save the hex display"});
    EXPECT_TRUE(child->view()->IsMarkIdle());
}

// Esc does not stop a save. While it writes, the bytes cannot change: the
// editing commands wait and typed digits are dropped; afterwards both work.
TEST_F(FileJobsTest, SavesCannotBeStoppedAndEditsWaitForThem) {
    const std::string path = dir_.File("data.bin");
    WriteFileBytes(path, {1, 2, 3});
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    COrvelView* view = child->view();
    COrvelDoc* doc = child->document();
    doc->data().SetByte(0, 0xAA);
    view->setFocus();
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(doc->job().running());
    for (const CommandId cmd : {Cmd::EditDeleteBytes, Cmd::EditPasteBytes, Cmd::OpBitwiseMask,
                                Cmd::FileSave, Cmd::FileSaveAs, Cmd::FileExportHexText})
        EXPECT_FALSE(Enabled(cmd)) << cmd.name;
    EXPECT_TRUE(Enabled(Cmd::FileNew));
    view->SetCaret(view->layout().ByteToHexPos(1).high);
    Type(view, "5");
    EXPECT_EQ(doc->data().at(1), 2);
    PressEsc(view);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(path), (Bytes{0xAA, 2, 3}));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(Enabled(Cmd::EditDeleteBytes));
    view->SetCaret(view->layout().ByteToHexPos(1).high);
    Type(view, "5");
    EXPECT_EQ(doc->data().at(1), 0x52);
}

// The same in a comparison window: saving one file holds both panes.
TEST_F(FileJobsTest, SavingAComparedFileHoldsBothPanes) {
    WriteFileBytes(dir_.File("one"), {1, 2});
    WriteFileBytes(dir_.File("two"), {3, 4});
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("one")));
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("two")));
    CCompareFilesChildFrame* window = CompareFiles();
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kFirst).SetByte(0, 9);
    frame()->RouteCommand(Cmd::FileSaveFile1);
    for (const CommandId cmd : {Cmd::FileSaveFile2, Cmd::OpStartCompare, Cmd::EditDeleteBytes})
        EXPECT_FALSE(Enabled(cmd)) << cmd.name;
    ComparedFileView* lower = window->view2();
    lower->SetCaret(lower->layout().ByteToHexPos(0).high);
    Type(lower, "7");
    EXPECT_EQ(data.file(ComparedFile::kSecond).at(0), 3);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(dir_.File("one")), (Bytes{9, 2}));
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
    EXPECT_TRUE(Enabled(Cmd::FileSaveFile2));
    window->close();
}

// Closing a window whose file is being saved waits for the save, then closes
// without a question: the file holds the bytes.
TEST_F(FileJobsTest, ClosingDuringASaveWaitsForItThenCloses) {
    const std::string path = dir_.File("close.bin");
    WriteFileBytes(path, {1, 2, 3});
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    child->document()->data().SetByte(2, 0x33);
    frame()->RouteCommand(Cmd::FileSave);
    ASSERT_TRUE(child->document()->job().running());
    EXPECT_TRUE(child->close());
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 0x33}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame()->children().empty());
}

// Closing a window during an export asks whether to stop it: No keeps the
// window and the export goes on to the end; Yes ends it at once and leaves
// the old target.
TEST_F(FileJobsTest, ClosingDuringAnExportAsksWhetherToStopIt) {
    const std::string path = dir_.File("four.bin");
    WriteFileBytes(path, {0x4D, 0x5A, 0x90, 0x00});
    CChildFrame* child = OpenFile(path);
    ASSERT_NE(child, nullptr);
    const std::string target = dir_.File("dump.txt");
    const Bytes old{'o', 'l', 'd'};
    const QString question = QString::fromUtf8(orvel::kStopExportQuestion);

    WriteFileBytes(target, old);
    prompts().ChooseFileNext(QString::fromStdString(target));
    frame()->RouteCommand(Cmd::FileExportHexText);
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_FALSE(child->close());
    ASSERT_TRUE(WaitJobs());
    const Bytes written = ReadFileBytes(target);
    EXPECT_EQ(std::string(written.begin(), written.end()), ViewText(child->view()));

    WriteFileBytes(target, old);
    const std::size_t files = FilesInFolder();
    prompts().ChooseFileNext(QString::fromStdString(target));
    frame()->RouteCommand(Cmd::FileExportHexText);
    prompts().AnswerNext(UserPrompts::Answer::kYes);
    EXPECT_TRUE(child->close());
    EXPECT_EQ(prompts().asked.filter(question).size(), 2);
    EXPECT_TRUE(frame()->jobs().idle());
    EXPECT_EQ(ReadFileBytes(target), old);
    EXPECT_EQ(FilesInFolder(), files);
}

}  // namespace
