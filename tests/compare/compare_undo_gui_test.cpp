// Each file of a comparison keeps its own edit history: Undo and Redo act on
// the pane that has the focus and leave the other file as it is.
#include <QApplication>
#include <QTest>

#include "support/compare_gui_fixture.h"

namespace {

class CompareUndoTest : public CompareGuiTest {
  protected:
    static void Press(COrvelView* view, Qt::Key key) {
        view->setFocus();
        QApplication::setActiveWindow(view->window());
        QCoreApplication::sendPostedEvents();  // as between a click and a key
        QTest::keyClick(view, key, Qt::ControlModifier);
    }
    static std::uint8_t At(COrvelView* view, orvel::Offset offset) {
        return view->data().at(offset);
    }
};

TEST_F(CompareUndoTest, EachPaneUndoesOnlyItsOwnFile) {
    CCompareFilesChildFrame* window = Open({0x10, 0x11, 0x12}, {0x20, 0x21, 0x22});
    ASSERT_NE(window, nullptr);
    auto* first = static_cast<COrvelView*>(window->view1());
    auto* second = static_cast<COrvelView*>(window->view2());

    first->setFocus();
    Type(first, "ab");
    second->setFocus();
    Type(second, "cd");
    ASSERT_EQ(At(first, 0), 0xAB);
    ASSERT_EQ(At(second, 0), 0xCD);

    Press(first, Qt::Key_Z);
    EXPECT_EQ(At(first, 0), 0x10);
    EXPECT_FALSE(first->data().dataModified());
    EXPECT_EQ(At(second, 0), 0xCD);
    EXPECT_TRUE(second->data().dataModified());

    Press(first, Qt::Key_Z);  // nothing left in the first file's history
    EXPECT_EQ(At(second, 0), 0xCD);

    Press(second, Qt::Key_Z);
    EXPECT_EQ(At(second, 0), 0x20);
    Press(first, Qt::Key_Y);
    EXPECT_EQ(At(first, 0), 0xAB);
    EXPECT_EQ(At(second, 0), 0x20);
}

}  // namespace
