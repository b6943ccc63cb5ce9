// File Exit (and closing the main window): every document is asked its
// questions before any window closes, and a refusal anywhere closes nothing.
#include <QMdiArea>
#include <filesystem>
#include <optional>

#include "jobs/status_bar_jobs.h"
#include "support/compare_gui_fixture.h"
#include "support/file_size_limit.h"
#include "support/unit_runs.h"
#include "view/dump_export.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;
using orvel::test::ReadFileBytes;
using Answer = UserPrompts::Answer;

namespace {

class ExitTest : public CompareGuiTest {
  protected:
    void TearDown() override {
        // An exit that went through hid the main window.
        frame()->showMaximized();
        CompareGuiTest::TearDown();
    }

    [[nodiscard]] qsizetype Windows() const { return frame()->mdiArea()->subWindowList().size(); }
    static QString SaveQuestion(const CChildFrame* child) {
        return "Save changes to " + child->document()->title() + "?";
    }
};

// Yes saves at once; Cancel in a later window closes nothing, not even the
// windows already asked, and the saved file simply stays saved.
TEST_F(ExitTest, CancelAnywhereClosesNothing) {
    CChildFrame* first = frame()->NewDocument();
    CCompareFilesChildFrame* compare = Open({1, 2}, {3});
    ASSERT_NE(compare, nullptr);
    orvel::CompareDocument& data = compare->document()->data();
    data.file(ComparedFile::kFirst).SetByte(0, 9);
    CChildFrame* last = frame()->NewDocument();
    const std::string saved = dir_.File("saved.bin");
    prompts().AnswerNext(Answer::kYes);
    prompts().ChooseFileNext(QString::fromStdString(saved));
    prompts().AnswerNext(Answer::kNo);
    prompts().AnswerNext(Answer::kCancel);
    const QString firstQuestion = SaveQuestion(first);  // the title changes with the save
    EXPECT_TRUE(frame()->RouteCommand(Cmd::FileExit));
    EXPECT_EQ(prompts().asked, QStringList({firstQuestion, "Save As", orvel::kSaveFile1Question,
                                            SaveQuestion(last)}));
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_EQ(Windows(), 3);
    EXPECT_FALSE(first->document()->IsModified());
    EXPECT_EQ(ReadFileBytes(saved), std::vector<std::uint8_t>(32, 0));
    EXPECT_TRUE(data.dataModified(ComparedFile::kFirst));
    EXPECT_TRUE(last->document()->IsModified());
}

// No to the marking question keeps every window, and the run goes on.
TEST_F(ExitTest, NoToStopMarkingClosesNothing) {
    CChildFrame* plain = frame()->NewDocument();
    CChildFrame* marking = HugeMarkingWindow(frame());
    StartUnitsRunInActiveWindow(frame());
    ASSERT_TRUE(WaitMarkingPaints(marking));
    prompts().AnswerNext(Answer::kNo);
    prompts().AnswerNext(Answer::kNo);
    EXPECT_FALSE(frame()->close());
    EXPECT_EQ(prompts().asked, QStringList({SaveQuestion(plain), orvel::kStopMarkingQuestion}));
    EXPECT_EQ(Windows(), 2);
    EXPECT_EQ(marking->document()->data().m_bMarking, 1);
    ASSERT_TRUE(WaitMarkingPaints(marking));
    frame()->mdiArea()->setActiveSubWindow(marking);
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));  // stops the run
    ASSERT_TRUE(WaitMarkingIdle(marking));
}

// A save that fails while asking is a refusal: nothing closes.
TEST_F(ExitTest, AFailedSaveClosesNothing) {
    CChildFrame* first = frame()->NewDocument();
    CCompareFilesChildFrame* compare = Open(std::vector<std::uint8_t>(100000, 4), {3});
    ASSERT_NE(compare, nullptr);
    orvel::CompareDocument& data = compare->document()->data();
    data.file(ComparedFile::kFirst).SetByte(0, 9);
    const std::string saved = dir_.File("saved.bin");
    prompts().AnswerNext(Answer::kYes);
    prompts().ChooseFileNext(QString::fromStdString(saved));
    prompts().AnswerNext(Answer::kYes);
    {
        const orvel::test::FileSizeLimit limit(50000);
        EXPECT_FALSE(frame()->close());
    }
    ASSERT_EQ(prompts().asked.size(), 4);
    EXPECT_EQ(prompts().asked[3], QString::fromStdString("Failed to write file1 " + path1_ +
                                                         "\nCause: File too large"));
    EXPECT_EQ(Windows(), 2);
    EXPECT_FALSE(first->document()->IsModified());
    EXPECT_TRUE(data.dataModified(ComparedFile::kFirst));
    EXPECT_EQ(ReadFileBytes(path1_), std::vector<std::uint8_t>(100000, 4));
}

// When every document agrees, the workers end and every window closes.
TEST_F(ExitTest, EveryWindowClosesWhenAllAgree) {
    CCompareFilesChildFrame* compare =
        Open(OddBytesSet(65536), std::vector<std::uint8_t>(65536, 0));
    ASSERT_NE(compare, nullptr);
    frame()->RouteCommand(Cmd::OpStartCompare);
    CChildFrame* plain = frame()->NewDocument();
    prompts().AnswerNext(Answer::kYes);
    prompts().AnswerNext(Answer::kNo);
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(prompts().asked, QStringList({orvel::kStopComparingQuestion, SaveQuestion(plain)}));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Windows(), 0);
    EXPECT_TRUE(prompts().notes.isEmpty());
}

// Exit while files are being read drops them: no window comes for them
// afterwards, and nothing is asked.
TEST_F(ExitTest, ExitDropsTheFilesBeingRead) {
    const std::string path = dir_.File("opening.bin");
    orvel::test::WriteFileBytes(path, std::vector<std::uint8_t>(100000, 1));
    std::optional<COrvelDoc::OpenOutcome> opened;
    frame()->OpenDocumentFile(
        QString::fromStdString(path),
        [&opened](CChildFrame*, COrvelDoc::OpenOutcome how) { opened = how; });
    prompts().ChooseFileNext(QString::fromStdString(path));
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("missing.bin")));
    std::optional<CCompareFilesChildFrame*> compared;
    frame()->CompareFiles([&compared](CCompareFilesChildFrame* window) { compared = window; });
    prompts().asked.clear();
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(opened, COrvelDoc::OpenOutcome::kStopped);
    EXPECT_EQ(compared, nullptr);
    EXPECT_TRUE(frame()->jobs().idle());
    QCoreApplication::processEvents();
    EXPECT_EQ(Windows(), 0);
    EXPECT_TRUE(prompts().asked.isEmpty());
}

// Exit while a file is being saved waits for the save, and exit while the dump
// is being exported asks whether to stop it; then every window closes.
TEST_F(ExitTest, ExitWaitsForASaveAndAsksAboutAnExport) {
    CChildFrame* exporting = frame()->NewDocument();
    exporting->document()->data().MarkSaved();
    const std::string saved = dir_.File("saved.bin");
    orvel::test::WriteFileBytes(saved, {1, 2, 3});
    CChildFrame* saving = OpenFile(saved);
    ASSERT_NE(saving, nullptr);
    saving->document()->data().SetByte(0, 9);
    frame()->RouteCommand(Cmd::FileSave);
    frame()->mdiArea()->setActiveSubWindow(exporting);
    const std::string target = dir_.File("dump.txt");
    prompts().ChooseFileNext(QString::fromStdString(target));
    frame()->RouteCommand(Cmd::FileExportHexText);
    prompts().asked.clear();
    prompts().AnswerNext(Answer::kYes);
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(prompts().asked, QStringList{orvel::kStopExportQuestion});
    EXPECT_EQ(ReadFileBytes(saved), (std::vector<std::uint8_t>{9, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(target));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Windows(), 0);
}

}  // namespace
