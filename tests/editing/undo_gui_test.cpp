// Undo and Redo from the keys and the Edit menu on a single-file window: what
// they restore, where they leave the selection, the menu texts, the modified
// state against the saved revision, and the budget question.
#include <QAction>
#include <QSettings>
#include <QTest>

#include "document/undo_settings.h"
#include "support/edit_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::MarkColor;
using orvel::Offset;
using orvel::TextSelection;

namespace {

class UndoTest : public EditTest {
  protected:
    void TearDown() override {
        QSettings().remove(QLatin1String(kUndoBudgetKey));
        EditTest::TearDown();
    }

    void Undo(COrvelView* view) { Press(view, Qt::Key_Z, Qt::ControlModifier); }
    void Redo(COrvelView* view) { Press(view, Qt::Key_Y, Qt::ControlModifier); }
    // Keys reach the shortcuts of the active window only, which a closed
    // dialog may have left unset offscreen.
    void Press(COrvelView* view, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QApplication::setActiveWindow(frame());
        QTest::keyClick(view, key, modifiers);
    }

    // The menu item of Undo or Redo as the update pass leaves it.
    QAction* Item(CommandId cmd) {
        frame()->UpdateCommands();
        return frame()->action(cmd);
    }

    // The hex cells of the bytes [first, last], caret before the first.
    static TextSelection Touched(const COrvelView* view, Offset first, Offset last) {
        const orvel::DumpLayout layout = view->layout();
        return {layout.ByteToHexPos(last).low + 1, layout.ByteToHexPos(first).high};
    }
};

// The digits typed from one caret position on are one step; a click ends it,
// even on the digit typing would have come to next.
TEST_F(UndoTest, TypedDigitsAreUndoneWithTheirCaret) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo\tCtrl+Z");
    const orvel::DumpLayout layout = view->layout();
    view->SetCaret(layout.ByteToHexPos(5).high);
    Type(view, "ab7");
    ClickAt(view, layout.ByteToHexPos(6).low);
    Type(view, "1");
    EXPECT_EQ(view->data().at(5), 0xAB);
    EXPECT_EQ(view->data().at(6), 0x71);
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo Typing\tCtrl+Z");

    Undo(view);
    EXPECT_EQ(view->data().at(6), 0x76);
    EXPECT_EQ(view->data().at(5), 0xAB);
    Press(view, Qt::Key_Backspace, Qt::AltModifier);  // the other undo key
    EXPECT_EQ(Bytes(view), Counting(0x20));
    EXPECT_EQ(view->selection(), Touched(view, 5, 6));
    EXPECT_EQ(view->selection().caret, layout.ByteToHexPos(5).high);  // where typing began
    EXPECT_FALSE(view->data().dataModified());
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());
    EXPECT_TRUE(Item(Cmd::EditRedo)->isEnabled());
    EXPECT_EQ(Item(Cmd::EditRedo)->text(), "&Redo Typing\tCtrl+Y");

    Press(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo
    EXPECT_EQ(view->data().at(5), 0xAB);
    EXPECT_EQ(view->data().at(6), 0x76);
    EXPECT_TRUE(view->data().dataModified());
}

// Undo puts the bytes back, selects them and scrolls to them; the number of
// bytes changed, so the marks go.
TEST_F(UndoTest, DeleteBytesThenUndo) {
    COrvelView* view = Open(Counting(0x4000));
    ASSERT_NE(view, nullptr);
    RunWith(Cmd::EditDeleteBytes, {"3F00", "3F0F"});
    ASSERT_EQ(view->data().size(), 0x3FF0);
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo Delete Bytes\tCtrl+Z");
    view->SetCaret(0);
    view->marks().Paint(0, 0x10, MarkColor::kRed);
    ASSERT_EQ(view->topLine(), 0);

    Undo(view);
    EXPECT_EQ(Bytes(view), Counting(0x4000));
    EXPECT_EQ(view->selection(), Touched(view, 0x3F00, 0x3F0F));
    const Offset caretLine = view->dump().LineOfPosition(view->selection().caret);
    EXPECT_GT(view->topLine(), 0);
    EXPECT_LE(view->topLine(), caretLine);
    EXPECT_LT(caretLine, view->topLine() + view->viewport()->height() / view->lineHeight());
    EXPECT_TRUE(view->marks().empty());
    EXPECT_FALSE(view->data().dataModified());
    EXPECT_EQ(Item(Cmd::EditRedo)->text(), "&Redo Delete Bytes\tCtrl+Y");
}

// XOR changes values only: the marks stay through undo and redo.
TEST_F(UndoTest, XorOfABlockThenUndoThenRedo) {
    COrvelView* view = Open(Counting(0x40));
    ASSERT_NE(view, nullptr);
    view->marks().Paint(0, 0x3F, MarkColor::kBlue);
    OnDialog([](AddressDialog* dialog) {
        dialog->choiceButton(2)->click();  // XOR
        dialog->field(0)->setText("FF");
        dialog->field(1)->setText("10");
        dialog->field(2)->setText("1F");
        dialog->accept();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseMask));
    std::vector<std::uint8_t> xored = Counting(0x40);
    for (int i = 0x10; i <= 0x1F; ++i)
        xored[i] ^= 0xFF;
    ASSERT_EQ(Bytes(view), xored);
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo Bitwise Mask\tCtrl+Z");
    EXPECT_FALSE(Item(Cmd::EditRedo)->isEnabled());
    view->data().m_bMarkIdle = 0;  // a marking run owns the bytes
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());
    view->data().m_bMarkIdle = 1;
    EXPECT_TRUE(Item(Cmd::EditUndo)->isEnabled());

    view->SetCaret(0);
    Undo(view);
    EXPECT_EQ(Bytes(view), Counting(0x40));
    EXPECT_EQ(view->selection(), Touched(view, 0x10, 0x1F));
    EXPECT_FALSE(view->data().dataModified());
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());

    view->SetCaret(0);
    Redo(view);
    EXPECT_EQ(Bytes(view), xored);
    EXPECT_EQ(view->selection(), Touched(view, 0x10, 0x1F));
    EXPECT_TRUE(view->data().dataModified());
    EXPECT_EQ(view->marks().ColorAt(0x10), MarkColor::kBlue);
    EXPECT_EQ(view->marks().ColorAt(0x3F), MarkColor::kBlue);
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo Bitwise Mask\tCtrl+Z");
    EXPECT_EQ(Item(Cmd::EditRedo)->text(), "&Redo\tCtrl+Y");
    EXPECT_FALSE(Item(Cmd::EditRedo)->isEnabled());
}

// Saving keeps the history; back at the saved revision the window closes
// without asking.
TEST_F(UndoTest, UndoBackToTheSavedStateLeavesNoSaveQuestion) {
    COrvelView* view = Open(Counting(0x20));
    ASSERT_NE(view, nullptr);
    Type(view, "55");
    EXPECT_TRUE(frame()->RouteCommand(Cmd::FileSave));
    ASSERT_TRUE(WaitJobs());
    EXPECT_FALSE(view->data().dataModified());
    RunWith(Cmd::EditReverseSeq, {"0", "1F"});
    Undo(view);
    EXPECT_FALSE(view->data().dataModified());
    Undo(view);  // the typing, saved since
    EXPECT_TRUE(view->data().dataModified());
    Redo(view);
    EXPECT_FALSE(view->data().dataModified());
    EXPECT_TRUE(Item(Cmd::EditRedo)->isEnabled());  // the reversal

    frame()->activeChild()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame()->children().empty());
    EXPECT_TRUE(prompts().asked.isEmpty()) << prompts().asked.join(" | ").toStdString();
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo\tCtrl+Z");
}

// The question comes before the change: No leaves the bytes, the history and
// the modified state as they were; Yes makes the change, which cannot be undone.
TEST_F(UndoTest, TheBudgetQuestionAnsweredNoLeavesTheDocumentUnchanged) {
    QSettings().setValue(QLatin1String(kUndoBudgetKey), 4096);
    COrvelView* view = Open(Counting(0x4000));
    ASSERT_NE(view, nullptr);
    RunWith(Cmd::EditDeleteBytes, {"0", "F"});  // small enough
    prompts().AnswerNext(UserPrompts::Answer::kNo);
    RunWith(Cmd::EditDeleteBytes, {"0", "1FFF"});
    EXPECT_EQ(prompts().asked, QStringList{QString::fromLatin1(kTooLargeToUndoQuestion)});
    const std::vector<std::uint8_t> all = Counting(0x4000);
    EXPECT_EQ(Bytes(view), std::vector<std::uint8_t>(all.begin() + 0x10, all.end()));
    EXPECT_EQ(Item(Cmd::EditUndo)->text(), "&Undo Delete Bytes\tCtrl+Z");

    prompts().AnswerNext(UserPrompts::Answer::kYes);
    OnDialog([](AddressDialog* dialog) {
        dialog->choiceButton(0)->click();  // AND
        dialog->field(0)->setText("0F");
        dialog->field(1)->setText("0");
        dialog->field(2)->setText("1FFF");
        dialog->accept();
    });
    EXPECT_TRUE(frame()->RouteCommand(Cmd::OpBitwiseMask));
    EXPECT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(view->data().at(0), all[0x10] & 0x0F);
    EXPECT_FALSE(Item(Cmd::EditUndo)->isEnabled());
    EXPECT_TRUE(view->data().dataModified());
}

}  // namespace
