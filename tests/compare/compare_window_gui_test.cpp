#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <utility>

#include "editing/address_dialog.h"
#include "editing/hex_edit.h"
#include "marking/mark_units_dlg.h"
#include "support/compare_gui_fixture.h"
#include "support/file_size_limit.h"
#include "support/modal_dialog.h"
#include "view/color_combo_box.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::ComparedFile;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;

namespace {

class CompareWindowTest : public CompareGuiTest {};

TEST_F(CompareWindowTest, OpensBothFilesInTitledPanesWithTheComparisonMenu) {
    CCompareFilesChildFrame* window = Open({0x4D, 0x5A}, {});
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->windowTitle().startsWith("File Comparison"));
    EXPECT_EQ(window->view1()->pane()->titleBar()->text(),
              " File1: " + QString::fromStdString(path1_));
    EXPECT_EQ(window->view2()->pane()->titleBar()->text(),
              " File2: " + QString::fromStdString(path2_));
    // The upper pane above the lower one, in a vertical splitter.
    EXPECT_EQ(window->splitter()->orientation(), Qt::Vertical);
    EXPECT_EQ(window->splitter()->widget(0), window->view1()->pane());
    // The caret starts on the high digit of the first byte, at 165 in a pane.
    EXPECT_EQ(window->view1()->selection(), (orvel::TextSelection{165, 165}));
    EXPECT_EQ(ViewText(window->view1()).substr(155, 12), "\n0000000  4D");
    // An empty second file shows the header and a lone line number.
    EXPECT_EQ(ViewText(window->view2()).substr(77), "\n\n0000000");
    // The comparison window's menu offers the two files' save commands.
    QStringList fileMenu;
    for (QAction* item : frame()->menuBar()->actions().first()->menu()->actions())
        fileMenu << item->text();
    EXPECT_TRUE(fileMenu.contains("Sa&ve File2"));
    EXPECT_FALSE(Enabled(Cmd::FileSave));
    EXPECT_TRUE(Enabled(Cmd::FileSaveFile1));
}

// Both panes of files taller than their panes open at the top, showing the
// header, with the caret on the first byte.
TEST_F(CompareWindowTest, TallFilesOpenShowingTheHeaderInBothPanes) {
    CCompareFilesChildFrame* window =
        Open(std::vector<std::uint8_t>(0x10000, 1), std::vector<std::uint8_t>(0x10000, 2));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    for (COrvelView* view :
         {static_cast<COrvelView*>(window->view1()), static_cast<COrvelView*>(window->view2())}) {
        EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(view->topLine(), 0);
        EXPECT_EQ(view->selection(), (orvel::TextSelection{165, 165}));
    }
}

// The window's height is shared evenly between the two panes, the upper one
// taking the odd pixel.
TEST_F(CompareWindowTest, ThePanesShareTheWindowsHeight) {
    CCompareFilesChildFrame* window = Open({1}, {2});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    const auto even = [window] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const int upper = window->view1()->pane()->height();
        const int lower = window->view2()->pane()->height();
        return upper >= lower && upper <= lower + 1;
    };
    EXPECT_TRUE(even());
    // Also after the window was shown small first (as a window system may do).
    window->showNormal();
    window->resize(300, 120);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window->showMaximized();
    EXPECT_TRUE(even());
}

// Commands go to the pane with the focus, and the menu bar follows the kind
// of the active window.
TEST_F(CompareWindowTest, CommandsReachTheActivePaneAndTheMenuFollowsTheWindow) {
    const auto fileMenu = [this] {
        QStringList items;
        for (QAction* item : frame()->menuBar()->actions().first()->menu()->actions())
            items << item->text();
        return items;
    };
    CChildFrame* single = frame()->NewDocument();
    EXPECT_FALSE(fileMenu().contains("&Save File1"));
    CCompareFilesChildFrame* window = Open(std::vector<std::uint8_t>(4096, 1), {2});
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(fileMenu().contains("&Save File1"));
    window->view2()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view2(); }, 5000));
    const orvel::TextSelection before = window->view1()->selection();
    EXPECT_TRUE(frame()->RouteCommand(Cmd::EditSelectAll));
    EXPECT_EQ(window->view2()->selection(),
              (orvel::TextSelection{0, window->view2()->dump().Length()}));
    EXPECT_EQ(window->view1()->selection(), before);
    // The panes scroll on their own.
    window->view1()->SetCaret(window->view1()->dump().Length());
    EXPECT_GT(window->view1()->topLine(), 0);
    EXPECT_EQ(window->view2()->topLine(), 0);
    frame()->mdiArea()->setActiveSubWindow(single);
    EXPECT_FALSE(fileMenu().contains("&Save File1"));
    EXPECT_TRUE(fileMenu().contains("&Save\tCtrl+S"));
}

// The toolbar's six buttons, a separator between any two, each running its
// command along the route.
TEST_F(CompareWindowTest, CompareBarButtonsRunTheirCommands) {
    CCompareFilesChildFrame* window = Open({0, 1, 2, 3}, {0, 1, 7, 3});
    ASSERT_NE(window, nullptr);
    QToolBar* bar = window->compareBar();
    EXPECT_EQ(bar->windowTitle(), "Compare Files");
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    const CommandId order[] = {Cmd::OpStartCompare, Cmd::OpStopCompare,   Cmd::OpFindPrevDiff,
                               Cmd::OpFindNextDiff, Cmd::OpFindFirstDiff, Cmd::OpFindLastDiff};
    const QList<QAction*> items = bar->actions();
    ASSERT_EQ(items.size(), 11);
    for (int k = 0; k < items.size(); ++k) {
        EXPECT_EQ(items[k]->isSeparator(), k % 2 == 1);
        if (k % 2 == 0) {
            EXPECT_EQ(items[k], frame()->action(order[k / 2]));
        }
    }
    frame()->UpdateCommands();
    QTest::mouseClick(bar->widgetForAction(frame()->action(Cmd::OpFindLastDiff)), Qt::LeftButton);
    EXPECT_EQ(window->document()->data().m_nLastDiff, 2);
    QTest::mouseClick(bar->widgetForAction(frame()->action(Cmd::OpStartCompare)), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    EXPECT_EQ(prompts().notes[0], "Number of different byte found: 1");
    prompts().CloseNotes();
}

// Names that differ in letter case only are two files here; a symbolic link
// to the first file is the same file.
TEST_F(CompareWindowTest, RefusesOnlyTheSameFile) {
    const std::string upper = dir_.File("Case");
    const std::string lower = dir_.File("case");
    WriteFileBytes(upper, {1});
    WriteFileBytes(lower, {2});
    prompts().ChooseFileNext(QString::fromStdString(upper));
    prompts().ChooseFileNext(QString::fromStdString(lower));
    CCompareFilesChildFrame* window = CompareFiles();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->document()->data().file(ComparedFile::kSecond).at(0), 2);
    EXPECT_EQ(prompts().asked.size(), 2);

    const std::string link = dir_.File("link");
    std::filesystem::create_symlink(upper, link);
    prompts().Reset();
    prompts().ChooseFileNext(QString::fromStdString(upper));
    prompts().ChooseFileNext(QString::fromStdString(link));
    EXPECT_EQ(CompareFiles(), nullptr);
    EXPECT_EQ(prompts().asked,
              QStringList({"Select first file for comparison", "Select second file for comparison",
                           "You must select two different files for comparison!"}));
    EXPECT_EQ(frame()->mdiArea()->subWindowList().size(), 1);
}

TEST_F(CompareWindowTest, CancelOrALoadFailureOpensNoWindow) {
    prompts().ChooseFileNext(QString::fromStdString(dir_.File("a")));
    prompts().ChooseFileNext(QString());  // the second dialog is cancelled
    EXPECT_EQ(CompareFiles(), nullptr);
    EXPECT_EQ(prompts().asked.size(), 2);
    prompts().Reset();
    const std::string present = dir_.File("present.bin");
    WriteFileBytes(present, {1});
    const std::string missing = dir_.File("missing.bin");
    prompts().ChooseFileNext(QString::fromStdString(present));
    prompts().ChooseFileNext(QString::fromStdString(missing));
    EXPECT_EQ(CompareFiles(), nullptr);
    ASSERT_EQ(prompts().asked.size(), 3);
    EXPECT_EQ(prompts().asked[2], QString::fromStdString("Failed to open second file " + missing +
                                                         "\nCause: No such file or directory"));
    EXPECT_TRUE(frame()->mdiArea()->subWindowList().isEmpty());
}

TEST_F(CompareWindowTest, TypingInTheLowerPaneChangesOnlyTheSecondFile) {
    CCompareFilesChildFrame* window = Open({0x10, 0x20}, {0x10, 0x20});
    ASSERT_NE(window, nullptr);
    ComparedFileView* lower = window->view2();
    ClickAt(lower, 165);
    Type(lower, "AB");
    orvel::CompareDocument& data = window->document()->data();
    EXPECT_EQ(data.file(ComparedFile::kSecond).at(0), 0xAB);
    EXPECT_EQ(data.file(ComparedFile::kFirst).at(0), 0x10);
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
    EXPECT_TRUE(data.dataModified(ComparedFile::kSecond));
    // Only the second file's question, and No writes nothing.
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts().asked, QStringList({orvel::kSaveFile2Question}));
    EXPECT_EQ(ReadFileBytes(path2_), (std::vector<std::uint8_t>{0x10, 0x20}));
}

TEST_F(CompareWindowTest, DeletingInTheUpperPaneKeepsTheLowerPanesColours) {
    CCompareFilesChildFrame* window = Open({1, 2, 3, 4}, {1, 9, 3, 8});
    ASSERT_NE(window, nullptr);
    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    prompts().CloseNotes();
    ASSERT_EQ(Colours(window->view2(), 4), ".B.B");
    // Delete Bytes in the upper pane: from byte 0, one byte.
    window->view1()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view1(); }, 5000));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<AddressDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->fieldCount(), 2);
        dialog->field(0)->setText("0");
        dialog->field(1)->setText("0");
        dialog->accept();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::EditDeleteBytes));
    EXPECT_EQ(window->document()->data().file(ComparedFile::kFirst).size(), 3);
    EXPECT_EQ(Colours(window->view1(), 4), "....");
    EXPECT_EQ(Colours(window->view2(), 4), ".B.B");
    EXPECT_TRUE(window->document()->data().dataModified(ComparedFile::kFirst));
    EXPECT_FALSE(window->document()->data().dataModified(ComparedFile::kSecond));
}

TEST_F(CompareWindowTest, SaveFileAsWritesACopyAndSaveFileClearsTheFlag) {
    CCompareFilesChildFrame* window = Open({1, 2, 3}, {4});
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kFirst).RemoveBytes(1, 1);
    const std::string copy = dir_.File("copy.bin");
    prompts().ChooseFileNext(QString::fromStdString(copy));
    frame()->RouteCommand(Cmd::FileSaveFile1As);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(prompts().asked, QStringList({"Save File1 As"}));
    EXPECT_EQ(ReadFileBytes(copy), (std::vector<std::uint8_t>{1, 3}));
    EXPECT_EQ(ReadFileBytes(path1_), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(data.dataModified(ComparedFile::kFirst));
    EXPECT_EQ(window->view1()->pane()->titleBar()->text(),
              " File1: " + QString::fromStdString(path1_));
    frame()->RouteCommand(Cmd::FileSaveFile1);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(ReadFileBytes(path1_), (std::vector<std::uint8_t>{1, 3}));
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
}

// The close guard asks about the comparison, the marking run, then each
// changed file, in that order; No to the first keeps the window and the run.
TEST_F(CompareWindowTest, CloseGuardAsksInOrder) {
    std::vector<std::uint8_t> bytes(4096);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    CCompareFilesChildFrame* window = Open(bytes, std::vector<std::uint8_t>(4096, 0));
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kFirst).SetByte(0, 0x77);
    data.file(ComparedFile::kSecond).SetByte(0, 0x66);
    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_EQ(data.m_bComparing, 1);
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts().asked, QStringList({orvel::kStopComparingQuestion}));
    EXPECT_EQ(data.m_bComparing, 1);
    // A marking run that owns the document as well (as one would after the comparison).
    data.m_bMarking = 1;
    data.m_bMarkIdle = 0;
    prompts().Reset();
    for (auto answer : {UserPrompts::Answer::kYes, UserPrompts::Answer::kYes,
                        UserPrompts::Answer::kYes, UserPrompts::Answer::kNo})
        prompts().AnswerNext(answer);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts().asked,
              QStringList({orvel::kStopComparingQuestion, orvel::kStopMarkingQuestion,
                           orvel::kSaveFile1Question, orvel::kSaveFile2Question}));
    EXPECT_TRUE(prompts().notes.isEmpty());
    EXPECT_EQ(ReadFileBytes(path1_)[0], 0x77);
    EXPECT_EQ(ReadFileBytes(path2_)[0], 0);
}

// A save that fails during the close guard (the process may write no more
// than 50000 bytes to a file) is reported and keeps the window with its edits;
// the file on disk stays as it was.
TEST_F(CompareWindowTest, FailedSaveOnClosingKeepsTheWindowAndItsEdits) {
    std::vector<std::uint8_t> original(100000);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<std::uint8_t>(i * 7);
    CCompareFilesChildFrame* window = Open(original, {1});
    ASSERT_NE(window, nullptr);
    orvel::CompareDocument& data = window->document()->data();
    data.file(ComparedFile::kFirst).SetByte(5, 0xEE);
    data.file(ComparedFile::kSecond).SetByte(0, 0x22);
    {
        const orvel::test::FileSizeLimit limit(50000);
        prompts().AnswerNext(UserPrompts::Answer::kYes);
        EXPECT_FALSE(window->close());
    }
    // No question about the second file: the window stays whatever the answer.
    EXPECT_EQ(prompts().asked,
              QStringList({orvel::kSaveFile1Question,
                           QString::fromStdString("Failed to write file1 " + path1_ +
                                                  "\nCause: File too large")}));
    EXPECT_EQ(ReadFileBytes(path1_), original);
    EXPECT_EQ(active(), window);
    EXPECT_EQ(data.file(ComparedFile::kFirst).at(5), 0xEE);
    EXPECT_TRUE(data.dataModified(ComparedFile::kFirst));
    EXPECT_TRUE(data.dataModified(ComparedFile::kSecond));
}

TEST_F(CompareWindowTest, NavigationSelectsTheSameByteInBothPanes) {
    std::vector<std::uint8_t> first(40, 0);
    std::vector<std::uint8_t> second(44, 0);
    second[3] = second[20] = second[33] = 1;
    second[42] = 5;  // surplus: never reached
    CCompareFilesChildFrame* window = Open(first, second);
    ASSERT_NE(window, nullptr);
    const auto selected = [&](ComparedFileView* view, orvel::Offset offset) {
        const orvel::HexPos digits = view->layout().ByteToHexPos(offset);
        return view->selection() == orvel::TextSelection{digits.high, digits.low + 1};
    };
    struct Step {
        ComparedFileView* pane;
        CommandId cmd;
        orvel::Offset expected;
    };
    const Step steps[] = {
        {window->view1(), Cmd::OpFindFirstDiff, 3}, {window->view1(), Cmd::OpFindNextDiff, 20},
        {window->view2(), Cmd::OpFindNextDiff, 33}, {window->view2(), Cmd::OpFindNextDiff, 33},
        {window->view1(), Cmd::OpFindPrevDiff, 20}, {window->view2(), Cmd::OpFindLastDiff, 33},
    };
    for (const Step& step : steps) {
        step.pane->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == step.pane; }, 5000));
        frame()->RouteCommand(step.cmd);
        EXPECT_TRUE(selected(window->view1(), step.expected)) << step.expected;
        EXPECT_TRUE(selected(window->view2(), step.expected)) << step.expected;
        EXPECT_EQ(window->document()->data().m_nLastDiff, step.expected);
    }
    // Each pane colours the bytes found in its own difference colour.
    EXPECT_EQ(window->view1()->marks().ColorAt(20), orvel::MarkColor::kRed);
    EXPECT_EQ(window->view2()->marks().ColorAt(20), orvel::MarkColor::kBlue);
    // A caret in the header asks for a click on a byte first.
    window->view1()->SetCaret(20);
    window->view1()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view1(); }, 5000));
    frame()->RouteCommand(Cmd::OpFindPrevDiff);
    EXPECT_EQ(prompts().asked, QStringList({orvel::kClickToStartPrevFirstPaneText}));
}

TEST_F(CompareWindowTest, WhileComparingTypingIsIgnoredAndEditingWaits) {
    // The comparison holds the files until its summary is closed, so it still
    // does below, whatever events the test runs.
    CCompareFilesChildFrame* window = Open(OddBytesSet(65536), std::vector<std::uint8_t>(65536, 0));
    ASSERT_NE(window, nullptr);
    frame()->RouteCommand(Cmd::OpStartCompare);
    orvel::CompareDocument& data = window->document()->data();
    for (CommandId cmd :
         {Cmd::OpStartCompare, Cmd::OpFindNextDiff, Cmd::FileSaveFile1, Cmd::FileSaveFile2As,
          Cmd::FileCompare, Cmd::FileNew, Cmd::FilePrint, Cmd::EditDeleteBytes, Cmd::OpBitwiseMask})
        EXPECT_FALSE(Enabled(cmd)) << cmd.name;
    EXPECT_TRUE(Enabled(Cmd::OpStopCompare));
    EXPECT_FALSE(window->view1()->IsMarkIdle());
    ClickAt(window->view1(), 165);
    Type(window->view1(), "FF");
    EXPECT_EQ(data.file(ComparedFile::kFirst).at(0), 0);
    EXPECT_FALSE(data.dataModified(ComparedFile::kFirst));
    frame()->RouteCommand(Cmd::OpStopCompare);
    ASSERT_TRUE(WaitIdle(window));
    EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
    EXPECT_TRUE(Enabled(Cmd::FileSaveFile1));
}

// A marking run in one pane holds both panes and the comparison: the other
// pane offers only the running command (which would stop the run).
TEST_F(CompareWindowTest, MarkingInOnePaneHoldsTheWholeWindow) {
    CCompareFilesChildFrame* window = Open({1, 2, 3, 4}, {1, 3, 3, 4});
    ASSERT_NE(window, nullptr);
    const auto stateIn = [this](ComparedFileView* pane, CommandId cmd) {
        const orvel::CommandState state = frame()->commands().State(cmd, frame()->RouteFrom(pane));
        return std::pair(state.enabled, state.checked);
    };
    orvel::CompareDocument& data = window->document()->data();
    OnModalDialog<CMarkUnitsDlg>([&](CMarkUnitsDlg& dialog) {
        // The run owns the document while its dialog is open.
        EXPECT_EQ(data.m_bMarking, 1);
        for (CommandId cmd : {Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns})
            EXPECT_EQ(stateIn(window->view2(), cmd), std::pair(false, false));
        EXPECT_EQ(stateIn(window->view2(), Cmd::MarkUnits), std::pair(true, true));
        for (CommandId cmd : {Cmd::MarkClear, Cmd::EditDeleteBytes, Cmd::OpFindNextDiff})
            EXPECT_FALSE(stateIn(window->view2(), cmd).first) << cmd.name;
        const orvel::CommandState start = frame()->commands().State(
            Cmd::OpStartCompare, frame()->RouteFrom(window->activeView()));
        EXPECT_FALSE(start.enabled);
        dialog.edit(orvel::kUnitsSize)->setText("1");
        dialog.color1()->SelectName("Red");
        dialog.accept();
    });
    window->view1()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view1(); }, 5000));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::MarkUnits));
    ASSERT_TRUE(QTest::qWaitFor([&] { return data.IsCompareDocIdle(); }, 30000));
    EXPECT_EQ(window->view1()->marks().ColorAt(0), orvel::MarkColor::kRed);
    EXPECT_TRUE(window->view2()->marks().empty());
    EXPECT_TRUE(Enabled(Cmd::OpStartCompare));
    EXPECT_EQ(stateIn(window->view2(), Cmd::MarkBytes), std::pair(true, false));
}

// While a comparison owns the files (here: its summary is still open) no pane
// may start a marking run, which would clear or paint over the differences.
TEST_F(CompareWindowTest, MarkCommandsWaitWhileComparing) {
    CCompareFilesChildFrame* window = Open({1, 2, 3, 4}, {1, 9, 3, 8});
    ASSERT_NE(window, nullptr);
    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    for (ComparedFileView* pane : {static_cast<ComparedFileView*>(window->view1()),
                                   static_cast<ComparedFileView*>(window->view2())}) {
        pane->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == pane; }, 5000));
        for (CommandId cmd : {Cmd::MarkBytes, Cmd::MarkBlocks, Cmd::MarkPatterns, Cmd::MarkUnits})
            EXPECT_FALSE(Enabled(cmd)) << cmd.name;
    }
    EXPECT_EQ(Colours(window->view2(), 4), ".B.B");
    prompts().CloseNotes();
    ASSERT_TRUE(WaitIdle(window));
    EXPECT_TRUE(Enabled(Cmd::MarkUnits));
}

// Of the height the panes share, the upper one gets h - h div 2, also after
// the window is restored to another size and maximised again.
TEST_F(CompareWindowTest, UpperPaneTakesTheLargerHalfOfTheHeight) {
    CCompareFilesChildFrame* window = Open(std::vector<std::uint8_t>(4096, 1), {2});
    ASSERT_NE(window, nullptr);
    QWidget* upper = window->view1()->pane();
    QWidget* lower = window->view2()->pane();
    const auto halved = [&] {
        const int h = upper->height() + lower->height();
        return upper->height() == h - h / 2 && lower->height() == h / 2;
    };
    ASSERT_TRUE(QTest::qWaitFor(halved, 5000)) << upper->height() << " above " << lower->height();
    EXPECT_GT(window->view1()->viewport()->height(), 10 * window->view1()->lineHeight());
    window->showNormal();
    window->resize(500, 301);
    ASSERT_TRUE(QTest::qWaitFor([&] { return halved() && window->height() == 301; }, 5000));
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return halved() && window->isMaximized(); }, 5000));
    EXPECT_GT(upper->height(), 200);
}

// F6 and Shift+F6 move the focus to the other pane.
TEST_F(CompareWindowTest, F6MovesToTheOtherPane) {
    CCompareFilesChildFrame* window = Open({1}, {2});
    ASSERT_NE(window, nullptr);
    window->view1()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view1(); }, 5000));
    QTest::keyClick(window->view1(), Qt::Key_F6);
    EXPECT_EQ(window->activeView(), window->view2());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view2()->hasFocus(); }, 5000));
    QTest::keyClick(window->view2(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(window->activeView(), window->view1());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view1()->hasFocus(); }, 5000));
    QTest::keyClick(window->view1(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(window->activeView(), window->view2());
}

}  // namespace
