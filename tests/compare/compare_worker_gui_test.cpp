#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>

#include "compare_gui_fixture.h"

using orvel::Cmd;
using orvel::ComparedFile;

// The compare worker's tests are named CompareWorker* so that a thread
// sanitizer run can pick them out.

namespace {

class CompareWorkerTest : public CompareGuiTest {};

// Every odd byte differs: a comparison with one paint request per byte.
std::vector<std::uint8_t> OddBytesSet(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 1; i < size; i += 2)
        bytes[i] = 1;
    return bytes;
}

struct SummaryCase {
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    std::string firstColours;
    std::string secondColours;
    QString summary;
};

TEST_F(CompareWorkerTest, CompareWorkerPaintsDifferencesAndTellsTheSummary) {
    const SummaryCase cases[] = {
        {{0x00, 0x11, 0x22},
         {0x00, 0x12, 0x22, 0x33, 0x44},
         ".R...",
         ".B.GG",
         "There are 1 different byte between file1 and file2.\nFile2 has 2 more bytes than file1"},
        {{0x00, 0x11, 0x22, 0x33},
         {0x00, 0x11},
         "..RR",
         "....",
         "There are 0 different byte between file1 and file2.\nFile1 has 2 more bytes than file2"},
        {{7, 8, 9}, {7, 8, 9}, "...", "...", "Number of different byte found: 0"},
        {{}, {}, "", "", "Number of different byte found: 0"},
        {{},
         {1, 2},
         "..",
         "GG",
         "There are 0 different byte between file1 and file2.\nFile2 has 2 more bytes than file1"},
    };
    for (const SummaryCase& c : cases) {
        CCompareFilesChildFrame* window = Open(c.first, c.second);
        ASSERT_NE(window, nullptr);
        // Marks from before the comparison go when it starts.
        window->view1()->marks().Paint(0, 4, orvel::MarkColor::Cyan);
        window->view2()->marks().Paint(0, 4, orvel::MarkColor::Cyan);
        frame()->RouteCommand(Cmd::OpStartCompare);
        ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
        EXPECT_EQ(prompts().notes[0], c.summary);
        const auto count = static_cast<orvel::Offset>(c.firstColours.size());
        EXPECT_EQ(Colours(window->view1(), count), c.firstColours) << c.summary.toStdString();
        EXPECT_EQ(Colours(window->view2(), count), c.secondColours) << c.summary.toStdString();
        // The comparison lasts until the summary is closed.
        EXPECT_FALSE(Enabled(Cmd::OpStartCompare));
        EXPECT_TRUE(Enabled(Cmd::OpStopCompare));
        prompts().CloseNotes();
        EXPECT_TRUE(WaitIdle(window));
        EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
        EXPECT_FALSE(Enabled(Cmd::OpStopCompare));
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        prompts().Reset();
    }
}

TEST_F(CompareWorkerTest, CompareWorkerStopsWithoutSummaryAndKeepsItsColours) {
    CCompareFilesChildFrame* window = Open(OddBytesSet(65536), std::vector<std::uint8_t>(65536, 0));
    ASSERT_NE(window, nullptr);
    // The worker waits for its first paint request until the test runs events.
    frame()->RouteCommand(Cmd::OpStartCompare);
    frame()->RouteCommand(Cmd::OpStopCompare);
    ASSERT_TRUE(WaitIdle(window));
    EXPECT_EQ(window->document()->data().m_bComparing, 0);
    EXPECT_TRUE(prompts().notes.isEmpty());
    // What was painted before the stop stays, in both panes alike.
    EXPECT_EQ(window->view1()->marks().ColorAt(1) == orvel::MarkColor::Red,
              window->view2()->marks().ColorAt(1) == orvel::MarkColor::Blue);
    EXPECT_EQ(window->view1()->marks().ColorAt(65535), orvel::MarkColor::Black);
    EXPECT_EQ(window->view2()->marks().ColorAt(65535), orvel::MarkColor::Black);
    EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
    // A new comparison after an edit clears the colours and compares the edited bytes.
    const std::vector<std::uint8_t> edited = OddBytesSet(65536);
    window->document()->data().file(ComparedFile::Second).ReplaceBytes(0, edited);
    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    EXPECT_EQ(prompts().notes[0], "Number of different byte found: 0");
    EXPECT_EQ(Colours(window->view1(), 4), "....");
    EXPECT_EQ(Colours(window->view2(), 4), "....");
    prompts().CloseNotes();
}

// Closing the window while the worker waits for a paint request, and while
// the summary is shown, ends the worker at once; nothing touches the window
// afterwards.
TEST_F(CompareWorkerTest, CompareWorkerEndsAtOnceWhenTheWindowCloses) {
    for (const bool summaryShown : {false, true}) {
        CCompareFilesChildFrame* window =
            summaryShown ? Open({1, 2}, {1, 3})
                         : Open(OddBytesSet(65536), std::vector<std::uint8_t>(65536, 0));
        ASSERT_NE(window, nullptr);
        frame()->RouteCommand(Cmd::OpStartCompare);
        if (summaryShown) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
        }
        QPointer<CCompareFilesChildFrame> guard(window);
        prompts().AnswerNext(UserPrompts::Answer::Yes);
        EXPECT_TRUE(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(guard.isNull());
        EXPECT_EQ(prompts().asked, QStringList({orvel::kStopComparingQuestion}));
        // Paint requests still queued and the summary's answer find nothing to touch.
        QCoreApplication::processEvents();
        prompts().CloseNotes();
        EXPECT_EQ(prompts().notes.size(), summaryShown ? 1 : 0);
        prompts().Reset();
    }
}

TEST_F(CompareWorkerTest, CompareWorkerGoesOnWhenClosingIsRefused) {
    std::vector<std::uint8_t> second(4096, 0);
    second[5] = second[700] = second[4095] = 9;
    CCompareFilesChildFrame* window = Open(std::vector<std::uint8_t>(4096, 0), second);
    ASSERT_NE(window, nullptr);
    frame()->RouteCommand(Cmd::OpStartCompare);
    prompts().AnswerNext(UserPrompts::Answer::No);
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    EXPECT_EQ(prompts().notes[0], "Number of different byte found: 3");
    EXPECT_EQ(window->view2()->marks().ColorAt(4095), orvel::MarkColor::Blue);
    prompts().CloseNotes();
    EXPECT_TRUE(WaitIdle(window));
}

// The real summary box leaves the interface running: it is not modal, and
// closing it is what ends the comparison.
TEST_F(CompareWorkerTest, CompareWorkerSummaryBoxDoesNotBlock) {
    QWidget owner;
    QtUserPrompts real;
    bool closed = false;
    real.Notify(&owner, "Number of different byte found: 0", [&closed] { closed = true; });
    QMessageBox* box = owner.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Number of different byte found: 0");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(closed);
    box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(closed);
}

}  // namespace
