#include <QScrollBar>
#include <QTest>

#include "support/gui_fixture.h"

using orvel::Offset;
using orvel::test::ReadFileBytes;
using orvel::test::WriteFileBytes;

namespace {

class OrvelViewTest : public GuiTest {
  protected:
    COrvelView* Open(const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.File("view.bin");
        WriteFileBytes(path, bytes);
        CChildFrame* child = OpenFile(path);
        if (child == nullptr)
            return nullptr;
        child->view()->setFocus();
        return child->view();
    }
    static Offset Pos(const COrvelView* view, Offset line, int column) {
        return view->layout().LineColToTextPos(line, column);
    }
};

TEST_F(OrvelViewTest, ClickAndTypeOverBytesThenSave) {
    std::vector<std::uint8_t> bytes(20, 0x11);
    bytes[1] = 0x4D;
    COrvelView* view = Open(bytes);
    ASSERT_NE(view, nullptr);
    COrvelDoc* doc = frame()->activeChild()->document();
    ClickAt(view, Pos(view, 0, 12));  // before the 4 of 4D
    EXPECT_EQ(view->selection().caret, Pos(view, 0, 12));
    Type(view, "a");
    EXPECT_EQ(doc->data().at(1), 0xAD);
    EXPECT_EQ(ViewText(view).substr(Pos(view, 0, 12), 2), "AD");
    EXPECT_EQ(view->selection().caret, Pos(view, 0, 13));
    EXPECT_TRUE(doc->IsModified());
    Type(view, "7");
    EXPECT_EQ(doc->data().at(1), 0xA7);
    EXPECT_EQ(ViewText(view)[Pos(view, 0, 61)], '.');
    EXPECT_EQ(view->selection().caret, Pos(view, 0, 15));  // the next byte's high digit
    // Typing across the gap and the line end.
    ClickAt(view, Pos(view, 0, 30));
    Type(view, "41");
    EXPECT_EQ(view->selection().caret, Pos(view, 0, 34));
    EXPECT_EQ(ViewText(view)[Pos(view, 0, 67)], 'A');
    ClickAt(view, Pos(view, 0, 55));
    Type(view, "42");
    EXPECT_EQ(view->selection().caret, Pos(view, 1, 9));
    // Keys that are no digits change nothing.
    const std::string before = ViewText(view);
    Type(view, "xz");
    EXPECT_EQ(ViewText(view), before);
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(WaitJobs());
    EXPECT_FALSE(doc->IsModified());
    bytes[1] = 0xA7;
    bytes[7] = 0x41;
    bytes[15] = 0x42;
    EXPECT_EQ(ReadFileBytes(doc->path().toStdString()), bytes);
}

// A file taller than the window opens at its top, the header and the empty
// line above the first data line, with the caret on the first byte.
TEST_F(OrvelViewTest, ATallFileOpensShowingItsHeader) {
    COrvelView* view = Open(std::vector<std::uint8_t>(0x10000, 0x41));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view->topLine(), 0);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{87, 87}));
}

TEST_F(OrvelViewTest, TypingTheSameDigitKeepsTheDocumentUnmodified) {
    COrvelView* view = Open({0x4D, 0x5A});
    ASSERT_NE(view, nullptr);
    Type(view, "4D");
    EXPECT_FALSE(frame()->activeChild()->document()->IsModified());
    EXPECT_EQ(view->selection().caret, Pos(view, 0, 12));
}

TEST_F(OrvelViewTest, SpaceAndBackspaceStepThroughTheByteColumns) {
    COrvelView* view = Open(std::vector<std::uint8_t>(17, 0));
    ASSERT_NE(view, nullptr);
    view->SetCaret(10);  // in the header
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(view->selection().caret, 87);
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(view->selection().caret, 87);  // the first byte of line 0 stays
    view->SetCaret(Pos(view, 1, 60));        // past the last byte
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(view->selection().caret, Pos(view, 1, 10));
}

TEST_F(OrvelViewTest, KeyboardMovesLikeAReadOnlyTextControl) {
    COrvelView* view = Open(std::vector<std::uint8_t>(100, 0x30));
    ASSERT_NE(view, nullptr);
    const Offset length = view->dump().Length();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{length, length}));
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->selection().caret, 0);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->selection().caret, 78);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{78, 80}));
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{78 + 76, 78 + 76}));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{0, length}));
    // Two characters selected: a digit changes nothing.
    view->SetSelection({87, 89});
    Type(view, "1");
    EXPECT_EQ(view->data().at(0), 0x30);
}

TEST_F(OrvelViewTest, MouseDragAndShiftClickSelect) {
    COrvelView* view = Open(std::vector<std::uint8_t>(64, 0x41));
    ASSERT_NE(view, nullptr);
    const QPoint from = view->PositionToPoint(Pos(view, 0, 9)) + QPoint(1, 2);
    const QPoint to = view->PositionToPoint(Pos(view, 1, 20)) + QPoint(1, 2);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{Pos(view, 0, 9), Pos(view, 1, 20)}));
    ClickAt(view, Pos(view, 2, 9));
    const QPoint shiftAt = view->PositionToPoint(Pos(view, 3, 12)) + QPoint(1, 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, shiftAt);
    EXPECT_EQ(view->selection(), (orvel::TextSelection{Pos(view, 2, 9), Pos(view, 3, 12)}));
}

// A drag held outside the view keeps scrolling towards the pointer and the
// selection keeps growing, as in a text control, until the button is released.
TEST_F(OrvelViewTest, ADragHeldOutsideTheViewKeepsScrollingAndSelecting) {
    COrvelView* view = Open(std::vector<std::uint8_t>(0x10000, 0x41));
    ASSERT_NE(view, nullptr);
    // Once the window is laid out, a whole line fits.
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->horizontalScrollBar()->maximum() == 0; }, 5000));
    QWidget* viewport = view->viewport();
    const QPoint from = view->PositionToPoint(Pos(view, 0, 9)) + QPoint(1, 2);
    const QPoint below(from.x(), viewport->height() + view->lineHeight());
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(viewport, below);
    const Offset top = view->topLine();
    const Offset caret = view->selection().caret;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view->topLine() >= top + 10 && view->selection().caret > caret + 9 * 77; },
        30000));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_EQ(view->selection().anchor, Pos(view, 0, 9));
    // And upwards from a line far down.
    view->SetCaret(Pos(view, 0x800, 9));
    const Offset low = view->topLine();
    const QPoint start = view->PositionToPoint(Pos(view, 0x800, 9)) + QPoint(1, 2);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    const QPoint above(start.x(), -view->lineHeight());
    QTest::mouseMove(viewport, above);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return view->topLine() + 10 <= low && view->selection().caret < Pos(view, 0x7F0, 9);
        },
        30000));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, above);
    EXPECT_EQ(view->selection().anchor, Pos(view, 0x800, 9));
}

// Marks belong to the view: changing byte values keeps them, changing the
// number or order of bytes (a rebuild of the dump) drops them.
TEST_F(OrvelViewTest, MarksSurviveValueEditsAndDropOnRebuild) {
    COrvelView* view = Open(std::vector<std::uint8_t>(64, 0x41));
    ASSERT_NE(view, nullptr);
    view->marks().Paint(16, 31, orvel::MarkColor::kRed);
    view->MarksChanged(16, 31);
    view->SetCaret(view->layout().ByteToHexPos(20).high);
    Type(view, "7");
    EXPECT_EQ(view->data().at(20), 0x71);
    EXPECT_EQ(view->marks().ColorAt(20), orvel::MarkColor::kRed);
    EXPECT_EQ(view->marks().ColorAt(15), orvel::MarkColor::kBlack);
    EXPECT_FALSE(view->grab().isNull());  // paints the marked lines
    view->data().RemoveBytes(0, 1);
    EXPECT_TRUE(view->marks().empty());
    EXPECT_FALSE(frame()->activeChild()->document()->data().dataModified() == false);
}

// A document of 0xFFFFFFFF bytes: the last line is reached with Ctrl+End and
// typed over, and the scroll bar counts lines.
TEST_F(OrvelViewTest, HugeDocumentScrollsAndTypesAtTheEnd) {
    CChildFrame* child = frame()->NewDocument();
    COrvelView* view = child->view();
    orvel::ByteBuffer huge;
    huge.resizeForOverwrite(orvel::kMaxFileSize);  // untouched pages read as zero
    child->document()->data().AssignBytes(std::move(huge), false);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->selection().caret, view->dump().Length());
    EXPECT_EQ(view->verticalScrollBar()->maximum() + view->verticalScrollBar()->pageStep(),
              static_cast<int>(view->dump().LineCount()));
    const Offset lastByte = orvel::kMaxFileSize - 1;
    view->SetCaret(view->layout().ByteToHexPos(lastByte).high);
    Type(view, "FF");
    EXPECT_EQ(child->document()->data().at(lastByte), 0xFF);
    EXPECT_EQ(view->dump().LineText(view->dump().LineCount() - 1).substr(0, 7), "FFFFFFF");
    child->document()->data().AssignBytes(orvel::ByteBuffer(), false);
}

}  // namespace
