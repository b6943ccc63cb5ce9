#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QTreeView>
#include <random>

#include "compare/compare_command_table.h"
#include "compare/compare_diffs.h"
#include "compare/diff_overview.h"
#include "compare/diff_panel.h"
#include "compare/pane_sync.h"
#include "document/document_command_table.h"
#include "editing/edit_command_table.h"
#include "support/compare_gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::AlignedEdit;
using orvel::AlignedEditKind;
using orvel::ComparedFile;
using orvel::Offset;

namespace {

using Bytes = std::vector<std::uint8_t>;

class CompareDiffsTest : public CompareGuiTest {
  protected:
    void TearDown() override {
        COrvelApp::instance()->settings().remove(QStringLiteral("Compare/SynchronizePanes"));
        CompareGuiTest::TearDown();
    }

    // Runs `command` (Start Compare or Compare Aligned) to its summary and
    // closes it.
    bool RunComparison(CCompareFilesChildFrame* window, orvel::CommandId command) {
        const qsizetype notes = prompts().notes.size();
        frame()->RouteCommand(command);
        if (!QTest::qWaitFor([&] { return prompts().notes.size() > notes; }, 30000))
            return false;
        prompts().CloseNotes();
        return WaitIdle(window);
    }

    static std::vector<AlignedEdit> Rows(CCompareFilesChildFrame* window) {
        const orvel::DiffList& diffs = window->diffs().diffs();
        std::vector<AlignedEdit> rows;
        for (std::size_t row = 0; row < diffs.size(); ++row)
            rows.push_back(diffs[row]);
        return rows;
    }

    static Bytes RandomBytes(std::size_t size, unsigned seed) {
        std::mt19937 rng(seed);
        Bytes bytes(size);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(rng());
        return bytes;
    }

    static Bytes FileBytes(CCompareFilesChildFrame* window, ComparedFile which) {
        const auto span = window->document()->data().file(which).bytes().span();
        return {span.begin(), span.end()};
    }

    // The hex digits of bytes [first, last] in `view`.
    static orvel::TextSelection HexRange(COrvelView* view, Offset first, Offset last) {
        return {view->layout().ByteToHexPos(first).high, view->layout().ByteToHexPos(last).low + 1};
    }
};

TEST_F(CompareDiffsTest, ScrollingOnePaneScrollsTheOtherWhileSynchronized) {
    CCompareFilesChildFrame* window = Open(Bytes(0x10000, 1), Bytes(0x10000, 2));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    COrvelView* upper = window->view1();
    COrvelView* lower = window->view2();
    EXPECT_TRUE(window->syncPanes());

    upper->verticalScrollBar()->setValue(100);
    EXPECT_EQ(lower->topLine(), 100);
    lower->verticalScrollBar()->setValue(40);
    EXPECT_EQ(upper->topLine(), 40);
    // Paging and caret moves scroll the other pane too.
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(upper->topLine(), 0x800);
    EXPECT_EQ(lower->topLine(), upper->topLine());
    QTest::keyClick(upper, Qt::Key_PageUp);
    EXPECT_EQ(lower->topLine(), upper->topLine());

    // Off: each pane scrolls on its own, and new windows start so.
    frame()->RouteCommand(Cmd::ViewSyncPanes);
    EXPECT_FALSE(window->syncPanes());
    upper->verticalScrollBar()->setValue(7);
    EXPECT_NE(lower->topLine(), 7);
    CCompareFilesChildFrame* next = Open({1}, {2});
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(next->syncPanes());
    frame()->RouteCommand(Cmd::ViewSyncPanes);
    EXPECT_TRUE(next->syncPanes());
}

TEST_F(CompareDiffsTest, ThePanelListsEachRunAndAClickSelectsItInBothPanes) {
    Bytes first(0x100, 0);
    Bytes second = first;
    second[0x10] = second[0x11] = second[0x12] = 0xAB;
    second[0x80] = 0x5A;
    second.insert(second.end(), {1, 2, 3, 4});
    CCompareFilesChildFrame* window = Open(first, second);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    ASSERT_TRUE(RunComparison(window, Cmd::OpStartCompare));

    // Runs cut into pieces by the scan come as one row each.
    EXPECT_EQ(Rows(window),
              (std::vector<AlignedEdit>{{AlignedEditKind::kChange, 0x10, 0x10, 3},
                                        {AlignedEditKind::kChange, 0x80, 0x80, 1},
                                        {AlignedEditKind::kInsert, 0x100, 0x100, 4}}));
    DiffPanel* panel = window->diffs().panel();
    EXPECT_EQ(panel->totals()->text(),
              "3 runs, 4 bytes differ, surplus: 0 only in File1, 4 only in File2");
    QAbstractItemModel* model = panel->list()->model();
    EXPECT_EQ(model->index(0, 0).data().toString(), "Changed");
    EXPECT_EQ(model->index(0, 1).data().toString(), "10");
    EXPECT_EQ(model->index(0, 5).data().toString(), "AB AB AB");
    EXPECT_EQ(model->index(2, 0).data().toString(), "Only in File2");
    EXPECT_EQ(model->index(2, 4).data().toString(), "");
    EXPECT_EQ(model->index(2, 5).data().toString(), "01 02 03 04");

    const QRect cell = panel->list()->visualRect(model->index(1, 1));
    QTest::mouseClick(panel->list()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(window->view1()->selection(), HexRange(window->view1(), 0x80, 0x80));
    EXPECT_EQ(window->view2()->selection(), HexRange(window->view2(), 0x80, 0x80));

    // F7 and Shift+F7 step through the differences like Find Next/Prev Diff.
    window->view1()->setFocus();
    window->view1()->SetCaret(window->view1()->layout().ByteToHexPos(0).high);
    ASSERT_TRUE(Enabled(Cmd::OpFindNextDiff));
    QTest::keyClick(window->view1(), Qt::Key_F7);
    EXPECT_EQ(window->view1()->selection(), HexRange(window->view1(), 0x10, 0x10));
    QTest::keyClick(window->view1(), Qt::Key_F7);
    EXPECT_EQ(window->view2()->selection(), HexRange(window->view2(), 0x11, 0x11));
    QTest::keyClick(window->view1(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(window->view1()->selection(), HexRange(window->view1(), 0x10, 0x10));
}

// A million runs: the rows are there at once, and the panel shows a few.
TEST_F(CompareDiffsTest, APanelOfAMillionRunsStaysCheap) {
    CCompareFilesChildFrame* window = Open(OddBytesSet(2'000'000), Bytes(2'000'000, 0));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(RunComparison(window, Cmd::OpStartCompare));
    EXPECT_EQ(window->diffs().diffs().size(), 1'000'000u);
    QTreeView* list = window->diffs().panel()->list();
    EXPECT_EQ(list->model()->rowCount(), 1'000'000);
    list->scrollToBottom();
    EXPECT_EQ(list->model()->index(999'999, 1).data().toString(), "1E847F");
}

TEST_F(CompareDiffsTest, AClickOnTheOverviewScrollsThere) {
    Bytes second(0x40000, 0);
    second[0x30000] = 1;
    CCompareFilesChildFrame* window = Open(Bytes(0x40000, 0), second);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    ASSERT_TRUE(RunComparison(window, Cmd::OpStartCompare));
    DiffOverview* bar = window->diffs().overview(ComparedFile::kFirst);
    EXPECT_EQ(bar->buckets().total(), 1);
    ASSERT_GT(bar->height(), 20);
    const int y = bar->height() * 3 / 4;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, y));
    const Offset expected = window->view1()->dump().FirstDataTextLine() + bar->OffsetAt(y) / 16;
    EXPECT_EQ(window->view1()->topLine(), expected);
    EXPECT_EQ(window->view2()->topLine(), expected);  // the other pane follows
    // The bar frames the part the pane now shows, from there on.
    const QImage image = bar->grab().toImage();
    const QColor frame = bar->palette().highlight().color();
    EXPECT_TRUE(image.pixelColor(0, y) == frame || image.pixelColor(0, y - 1) == frame);
    EXPECT_NE(image.pixelColor(0, y / 2), frame);
}

// In a window as wide as a usual screen the panel leaves the panes room for
// whole lines, with the data inspector docked too.
TEST_F(CompareDiffsTest, ThePanelLeavesThePanesWholeLines) {
    frame()->resize(1400, 900);
    CCompareFilesChildFrame* window = Open(Bytes(0x100, 1), Bytes(0x100, 2));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    window->diffs().FitPanel();
    EXPECT_TRUE(QTest::qWaitFor(
        [window] {
            return window->view1()->horizontalScrollBar()->maximum() == 0 &&
                   window->view2()->horizontalScrollBar()->maximum() == 0;
        },
        5000));
}

// Destroying a comparison window moves the focus out of its panes; the
// commands' update must not reach the window's parts half destroyed.
TEST_F(CompareDiffsTest, DestroyingTheWindowWithAFocusedPaneIsSafe) {
    CCompareFilesChildFrame* window = Open(Bytes(0x100, 1), Bytes(0x100, 2));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    QApplication::setActiveWindow(frame());
    window->view2()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([window] { return window->view2()->hasFocus(); }, 5000));
    delete window;
    QCoreApplication::sendPostedEvents();
    frame()->UpdateCommands();
    EXPECT_EQ(active(), nullptr);
}

// 0x25 bytes inserted, 3 deleted and 1 changed: each side coloured by what it
// holds, and the panes scroll along the alignment.
TEST_F(CompareDiffsTest, CompareAlignedColoursEditsAndScrollsAlongThem) {
    const Bytes first = RandomBytes(0x4000, 3);
    Bytes second = first;
    second[0x2000] ^= 0xFF;
    second.erase(second.begin() + 0x3000, second.begin() + 0x3003);
    second.insert(second.begin() + 0x1000, 0x25, 9);
    CCompareFilesChildFrame* window = Open(first, second);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    ASSERT_TRUE(RunComparison(window, Cmd::OpCompareAligned));
    EXPECT_TRUE(prompts().notes.back().startsWith("Aligned comparison: 1 byte changed"));

    ASSERT_EQ(Rows(window),
              (std::vector<AlignedEdit>{{AlignedEditKind::kInsert, 0x1000, 0x1000, 0x25},
                                        {AlignedEditKind::kChange, 0x2000, 0x2025, 1},
                                        {AlignedEditKind::kDelete, 0x3000, 0x3025, 3}}));
    ComparedFileView* upper = window->view1();
    ComparedFileView* lower = window->view2();
    EXPECT_EQ(Colours(lower, 0x1026).substr(0xFFF), "." + std::string(0x25, 'G') + ".");
    EXPECT_EQ(Colours(upper, 0x1002).substr(0xFFF), "...");
    EXPECT_EQ(Colours(upper, 0x2002).substr(0x1FFF), ".R.");
    EXPECT_EQ(Colours(lower, 0x2027).substr(0x2024), ".R.");
    EXPECT_EQ(Colours(upper, 0x3004).substr(0x2FFF), ".BBB.");

    // Past the insertion the second file runs 0x25 bytes ahead: offset 0x2800
    // of the first faces 0x2825 of the second, two lines further on.
    const Offset dataLine = upper->dump().FirstDataTextLine();
    upper->verticalScrollBar()->setValue(static_cast<int>(dataLine + 0x280));
    EXPECT_EQ(lower->topLine(), dataLine + 0x282);
    // Inside the inserted bytes the first pane waits where they would be; the
    // second stays where it was scrolled (the follower never leads back).
    lower->verticalScrollBar()->setValue(static_cast<int>(dataLine + 0x102));
    EXPECT_EQ(upper->topLine(), dataLine + 0x100);
    EXPECT_EQ(lower->topLine(), dataLine + 0x102);
}

// Files that never come back into step within the aligner's window: compared
// byte for byte there, and the panel says so.
TEST_F(CompareDiffsTest, CompareAlignedSaysWhereItWentByteForByte) {
    CCompareFilesChildFrame* window = Open(RandomBytes(3 << 20, 1), RandomBytes(3 << 20, 2));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(RunComparison(window, Cmd::OpCompareAligned));
    EXPECT_TRUE(prompts().notes.back().contains("no alignment was found within"));
    const QLabel* note = window->diffs().panel()->findChild<QLabel*>("note");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith("In "));
    EXPECT_FALSE(note->isHidden());
    // Byte for byte, the runs are changes at equal offsets.
    const orvel::DiffList& diffs = window->diffs().diffs();
    ASSERT_FALSE(diffs.empty());
    EXPECT_EQ(diffs[0].kind, AlignedEditKind::kChange);
    EXPECT_EQ(diffs[0].offsetA, diffs[0].offsetB);
    // A plain comparison clears the note.
    ASSERT_TRUE(RunComparison(window, Cmd::OpStartCompare));
    EXPECT_TRUE(note->isHidden());
}

TEST_F(CompareDiffsTest, CopyToOtherFileIsOneUndoableStepThatRecolours) {
    Bytes first(0x100, 0);
    Bytes second = first;
    second[0x20] = second[0x21] = 7;
    second[0x90] = 8;
    CCompareFilesChildFrame* window = Open(first, second);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(RunComparison(window, Cmd::OpStartCompare));
    ComparedFileView* upper = window->view1();
    ComparedFileView* lower = window->view2();

    // The run at the lower pane's caret goes into the first file.
    lower->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == lower; }, 5000));
    lower->SetCaret(lower->layout().ByteToHexPos(0x21).high);
    EXPECT_TRUE(Enabled(Cmd::OpCopyToOtherFile));
    frame()->RouteCommand(Cmd::OpCopyToOtherFile);
    EXPECT_EQ(FileBytes(window, ComparedFile::kFirst)[0x20], 7);
    EXPECT_EQ(FileBytes(window, ComparedFile::kFirst)[0x21], 7);
    EXPECT_TRUE(window->document()->data().dataModified(ComparedFile::kFirst));
    EXPECT_FALSE(window->document()->data().dataModified(ComparedFile::kSecond));
    EXPECT_EQ(Rows(window), (std::vector<AlignedEdit>{{AlignedEditKind::kChange, 0x90, 0x90, 1}}));
    EXPECT_EQ(Colours(upper, 0x23).substr(0x1F), "....");
    EXPECT_EQ(Colours(lower, 0x23).substr(0x1F), "....");
    EXPECT_EQ(Colours(upper, 0x91).substr(0x90), "R");

    // One undo in the first file takes the copy back, with its run.
    upper->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == upper; }, 5000));
    frame()->RouteCommand(Cmd::EditUndo);
    EXPECT_EQ(FileBytes(window, ComparedFile::kFirst), first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->diffs().diffs().size() == 2; }, 5000));
    EXPECT_EQ(Rows(window)[0], (AlignedEdit{AlignedEditKind::kChange, 0x20, 0x20, 2}));
    EXPECT_EQ(Colours(upper, 0x23).substr(0x1F), ".RR.");
    EXPECT_EQ(Colours(lower, 0x23).substr(0x1F), ".BB.");
    frame()->RouteCommand(Cmd::EditRedo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->diffs().diffs().size() == 1; }, 5000));

    // Typed over since: the runs no longer say where the bytes are.
    upper->SetCaret(upper->layout().ByteToHexPos(0).high);
    Type(upper, "F");
    upper->SetCaret(upper->layout().ByteToHexPos(0x90).high);
    prompts().asked.clear();
    frame()->RouteCommand(Cmd::OpCopyToOtherFile);
    EXPECT_EQ(prompts().asked,
              QStringList{"The files have changed since they were compared; compare them again "
                          "first."});
    EXPECT_EQ(FileBytes(window, ComparedFile::kSecond)[0x90], 8);
}

// Bytes only the second file has, copied into the first: the first file grows,
// and its later runs move with it and keep their colours.
TEST_F(CompareDiffsTest, CopyingAnInsertionGrowsTheTargetAndMovesLaterRuns) {
    const Bytes first = RandomBytes(0x2000, 5);
    Bytes second = first;
    second[0x1800] ^= 0xFF;
    second.insert(second.begin() + 0x400, {1, 2, 3, 4, 5, 6});
    CCompareFilesChildFrame* window = Open(first, second);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(RunComparison(window, Cmd::OpCompareAligned));
    ASSERT_EQ(window->diffs().diffs().size(), 2u);

    // Chosen in the panel, copied from the lower pane.
    DiffPanel* panel = window->diffs().panel();
    panel->list()->setCurrentIndex(panel->list()->model()->index(0, 0));
    window->view2()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view2(); }, 5000));
    frame()->RouteCommand(Cmd::OpCopyToOtherFile);
    EXPECT_EQ(FileBytes(window, ComparedFile::kFirst).size(), second.size());
    EXPECT_EQ(Rows(window),
              (std::vector<AlignedEdit>{{AlignedEditKind::kChange, 0x1806, 0x1806, 1}}));
    EXPECT_EQ(Colours(window->view1(), 0x1807).substr(0x1805), ".R");
    EXPECT_EQ(Colours(window->view2(), 0x407).substr(0x3FF), "........");

    window->view1()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->activeView() == window->view1(); }, 5000));
    frame()->RouteCommand(Cmd::EditUndo);
    EXPECT_EQ(FileBytes(window, ComparedFile::kFirst), first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->diffs().diffs().size() == 2; }, 5000));
    EXPECT_EQ(Colours(window->view1(), 0x1801).substr(0x1800), "R");
    EXPECT_EQ(Colours(window->view2(), 0x407).substr(0x3FF), ".GGGGGG.");

    // The other way, the first file has none of those bytes: they go from the
    // second, whose later runs move back.
    window->view1()->SetCaret(window->view1()->layout().ByteToHexPos(0).high);
    panel->list()->setCurrentIndex(panel->list()->model()->index(0, 0));
    frame()->RouteCommand(Cmd::OpCopyToOtherFile);
    EXPECT_EQ(FileBytes(window, ComparedFile::kSecond).size(), first.size());
    EXPECT_EQ(Rows(window),
              (std::vector<AlignedEdit>{{AlignedEditKind::kChange, 0x1800, 0x1800, 1}}));
    EXPECT_EQ(Colours(window->view2(), 0x1801).substr(0x17FF), ".R");
}

}  // namespace
