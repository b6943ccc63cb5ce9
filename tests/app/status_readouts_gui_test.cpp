// The status bar's readouts follow the active view's caret, selection and size.
#include <QLabel>
#include <QStatusBar>

#include "app/status_readouts.h"
#include "support/compare_gui_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::Offset;

namespace {

class StatusReadoutsTest : public CompareGuiTest {
  protected:
    COrvelView* OpenBytes(std::size_t size, const char* name = "readouts.bin") {
        std::vector<std::uint8_t> bytes(size, 0x41);
        const std::string path = dir_.File(name);
        orvel::test::WriteFileBytes(path, bytes);
        CChildFrame* child = OpenFile(path);
        return child != nullptr ? child->view() : nullptr;
    }

    // The texts of the visible panes, in the order they stand.
    static QStringList Shown() {
        QCoreApplication::processEvents();  // the readouts catch up once per turn
        StatusReadouts* readouts = COrvelApp::instance()->mainFrame()->readouts();
        QStringList texts;
        for (QLabel* pane : {readouts->offsetPane(), readouts->selectionPane(),
                             readouts->sizePane(), readouts->differencesPane()}) {
            if (!pane->isHidden())
                texts << pane->text();
        }
        return texts;
    }
};

TEST_F(StatusReadoutsTest, FollowTheCaretAndTheSelection) {
    COrvelView* view = OpenBytes(0x40);
    ASSERT_NE(view, nullptr);
    const orvel::DumpLayout layout = view->layout();
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x0 (0)", "Size: 0x40 (64) bytes"}));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(Shown().front(), "Offset: 0x11 (17)");
    // In the character column, on the character's byte.
    view->SetCaret(layout.LineColToTextPos(2, 60 + 0xA));
    EXPECT_EQ(Shown().front(), "Offset: 0x2A (42)");
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Shown().front(), "Offset: 0x40 (64)");

    view->SetSelection({layout.ByteToHexPos(0x10).high, layout.ByteToHexPos(0x1F).low + 1});
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x1F (31)", "Selection: 0x10-0x1F, 16 bytes",
                                    "Size: 0x40 (64) bytes"}));
    // Shift+Left ends the selection on byte 1E's low digit.
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Shown()[1], "Selection: 0x10-0x1E, 15 bytes");
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Shown()[1], "Selection: 0x0-0x3F, 64 bytes");
    ClickAt(view, layout.ByteToHexPos(5).high);
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x5 (5)", "Size: 0x40 (64) bytes"}));
}

// An edit anywhere changes the size shown, also one made in another window of
// the same document; the panes stand left of the lock-key indicators.
TEST_F(StatusReadoutsTest, FollowTheBytesAndTheActiveWindow) {
    COrvelView* first = OpenBytes(0x20, "one.bin");
    ASSERT_NE(first, nullptr);
    (void)first->data().InsertFill(0, 0xFF0, 0);
    EXPECT_EQ(Shown().back(), "Size: 0x1010 (4112) bytes");
    ASSERT_TRUE(frame()->RouteCommand(Cmd::EditUndo));
    EXPECT_EQ(Shown().back(), "Size: 0x20 (32) bytes");

    QLabel* offset = frame()->readouts()->offsetPane();
    auto* cap = frame()->statusBar()->findChild<QLabel*>("CAP");
    ASSERT_NE(cap, nullptr);
    EXPECT_LT(offset->geometry().right(), cap->geometry().left());

    COrvelView* second = OpenBytes(1, "two.bin");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x0 (0)", "Size: 0x1 (1) byte"}));
    frame()->mdiArea()->activatePreviousSubWindow();
    EXPECT_EQ(Shown().back(), "Size: 0x20 (32) bytes");
    CloseAll();
    EXPECT_EQ(Shown(), QStringList());
}

TEST_F(StatusReadoutsTest, AComparisonShowsItsActivePaneAndItsDifferences) {
    CCompareFilesChildFrame* window = Open({1, 2, 3}, {1, 9, 3, 4, 5});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x0 (0)", "Size: 0x3 (3) bytes"}));
    window->ActivateOtherPane();
    window->view2()->SetCaret(window->view2()->layout().ByteToHexPos(4).high);
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x4 (4)", "Size: 0x5 (5) bytes"}));

    frame()->RouteCommand(Cmd::OpStartCompare);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 1; }, 30000));
    prompts().CloseNotes();
    ASSERT_TRUE(WaitIdle(window));
    EXPECT_EQ(Shown().back(), "Differences: 1");
    window->ActivateOtherPane();
    EXPECT_EQ(Shown(), (QStringList{"Offset: 0x0 (0)", "Size: 0x3 (3) bytes", "Differences: 1"}));

    // A single-file window has no differences; back in the comparison they show again.
    ASSERT_NE(frame()->NewDocument(), nullptr);
    EXPECT_EQ(Shown().size(), 2);
    frame()->mdiArea()->setActiveSubWindow(window);
    EXPECT_EQ(Shown().back(), "Differences: 1");
    // A new comparison drops the old count until it ends.
    frame()->RouteCommand(Cmd::OpStartCompare);
    EXPECT_EQ(Shown().size(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts().notes.size() == 2; }, 30000));
    prompts().CloseNotes();
    ASSERT_TRUE(WaitIdle(window));
    EXPECT_EQ(Shown().back(), "Differences: 1");
}

}  // namespace
