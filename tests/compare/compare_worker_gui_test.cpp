#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>

#include "app/qt_user_prompts.h"
#include "support/compare_gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;

// The compare worker's tests are named CompareWorker* so that a thread
// sanitizer run can pick them out.

namespace {

class CompareWorkerTest : public CompareGuiTest {};

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
        window->view1()->marks().Paint(0, 4, orvel::MarkColor::kCyan);
        window->view2()->marks().Paint(0, 4, orvel::MarkColor::kCyan);
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
    EXPECT_EQ(window->view1()->marks().ColorAt(1) == orvel::MarkColor::kRed,
              window->view2()->marks().ColorAt(1) == orvel::MarkColor::kBlue);
    EXPECT_EQ(window->view1()->marks().ColorAt(65535), orvel::MarkColor::kBlack);
    EXPECT_EQ(window->view2()->marks().ColorAt(65535), orvel::MarkColor::kBlack);
    EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
    // A new comparison after an edit clears the colours and compares the edited bytes.
    const std::vector<std::uint8_t> edited = OddBytesSet(65536);
    window->document()->data().file(ComparedFile::kSecond).ReplaceRange(0, edited);
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
        prompts().AnswerNext(UserPrompts::Answer::kYes);
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
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    EXPECT_EQ(prompts().notes[0], "Number of different byte found: 3");
    EXPECT_EQ(window->view2()->marks().ColorAt(4095), orvel::MarkColor::kBlue);
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

// While the scan runs, the status bar tells how far it has got; the text goes
// when the summary comes.
TEST_F(CompareWorkerTest, CompareWorkerShowsHowFarItHasGot) {
    constexpr std::size_t kSize = std::size_t{16} << 20;  // many paint requests
    CCompareFilesChildFrame* window =
        Open(std::vector<std::uint8_t>(kSize, 0), std::vector<std::uint8_t>(kSize, 0xFF));
    ASSERT_NE(window, nullptr);
    QStringList messages;
    const auto connection =
        QObject::connect(frame()->statusBar(), &QStatusBar::messageChanged,
                         [&messages](const QString& message) { messages << message; });
    frame()->RouteCommand(Cmd::OpStartCompare);
    EXPECT_EQ(messages.value(0), "Comparing... 0%");
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 60000));
    QObject::disconnect(connection);
    EXPECT_EQ(prompts().notes[0], "Number of different byte found: 16777216");
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last(), "");
    messages.removeLast();
    int last = -1;
    bool between = false;
    for (const QString& message : messages) {
        ASSERT_TRUE(message.startsWith("Comparing... ") && message.endsWith("%"))
            << message.toStdString();
        const int percent = message.mid(13).chopped(1).toInt();
        EXPECT_GE(percent, last);
        between = between || (percent > 0 && percent < 100);
        last = percent;
    }
    EXPECT_TRUE(between) << messages.join(" | ").toStdString();
    prompts().CloseNotes();
}

// Colours that cannot get memory (here: a limit of none for the lower pane's
// per-byte pages) stop the comparison with a message and no summary; the
// files, their windows and the other windows stay as they were.
TEST_F(CompareWorkerTest, CompareWorkerOutOfMemoryStopsWithAMessage) {
    CChildFrame* other = frame()->NewDocument();
    other->document()->data().SetByte(0, 9);
    CCompareFilesChildFrame* window = Open(OddBytesSet(65536), std::vector<std::uint8_t>(65536, 0));
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kSecond).SetByte(0, 5);
    window->view2()->marks().setMemoryLimit(0);
    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_TRUE(WaitIdle(window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts().asked.isEmpty(); }, 30000));
    EXPECT_EQ(prompts().asked, QStringList({orvel::kCompareOutOfMemoryText}));
    EXPECT_TRUE(prompts().notes.isEmpty());
    EXPECT_TRUE(window->view2()->marks().empty());
    EXPECT_EQ(data.file(ComparedFile::kFirst).size(), 65536);
    EXPECT_EQ(data.file(ComparedFile::kFirst).at(1), 1);
    EXPECT_EQ(data.file(ComparedFile::kSecond).at(0), 5);
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
    EXPECT_TRUE(data.dataModified(ComparedFile::kSecond));
    EXPECT_EQ(frame()->mdiArea()->subWindowList().size(), 2);
    EXPECT_TRUE(other->document()->IsModified());
    EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
}

}  // namespace
