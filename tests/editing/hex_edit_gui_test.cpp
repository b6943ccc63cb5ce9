#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "support/edit_fixture.h"

namespace {

class HexEditTest : public GuiTest {
  protected:
    // Shows the field in a window of its own that has the keyboard.
    template <typename Edit>
    Edit* Show(int maxLength) {
        auto* edit = new Edit(&window_);
        edit->setMaxLength(maxLength);
        window_.show();
        QApplication::setActiveWindow(&window_);
        edit->setFocus();
        return edit;
    }

    QWidget window_;
};

TEST_F(HexEditTest, TypedCharactersAreFilteredByTheFieldKind) {
    struct Case {
        bool hex;
        QString typed;
        QString kept;
        int refused;
    };
    const Case cases[] = {
        {true, "1aF9gG z", "1aF9", 4},
        {false, "12a9-", "129", 2},
        {true, "123456789", "12345678", 0},  // the length limit, not the filter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        DigitEdit* edit = c.hex ? static_cast<DigitEdit*>(Show<CHexEdit>(8))
                                : static_cast<DigitEdit*>(Show<CDecimalEdit>(9));
        QSignalSpy refused(edit, &DigitEdit::refused);
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(edit->text(), c.kept);
        EXPECT_EQ(refused.count(), c.refused);
        delete edit;
    }
}

TEST_F(HexEditTest, ClipboardAndUndoKeysActOnTheFieldAndPastedTextIsKept) {
    CHexEdit* edit = Show<CHexEdit>(8);
    QSignalSpy refused(edit, &DigitEdit::refused);
    QGuiApplication::clipboard()->setText("12G4");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12G4");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12G4");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12G4");
    edit->setSelection(0, 2);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "G4");
    EXPECT_EQ(refused.count(), 0);
}

// The dialog is built from its table entry; fields are the table's kinds and
// lengths, in its order.
TEST_F(HexEditTest, AddressDialogFollowsItsTable) {
    for (const orvel::DialogId id : {orvel::DialogId::kInsertBytes, orvel::DialogId::kMaskBytes,
                                     orvel::DialogId::kBitwiseShift, orvel::DialogId::kGoTo}) {
        const orvel::DialogDef& def = orvel::GetDialogDef(id);
        SCOPED_TRACE(std::string(def.title));
        orvel::DialogMembers members;
        members.m_nFileSize = 26;
        AddressDialog dialog(def, members, prompts(), nullptr);
        EXPECT_EQ(dialog.windowTitle().toStdString(), def.title);
        ASSERT_EQ(dialog.fieldCount(), static_cast<int>(def.table.fields.size()));
        for (int i = 0; i < dialog.fieldCount(); ++i) {
            EXPECT_EQ(dialog.field(i)->kind(), def.table.fields[i].kind);
            EXPECT_EQ(dialog.field(i)->maxLength(), def.table.fields[i].maxLength);
        }
        EXPECT_EQ(dialog.fileSizeText().toStdString(), orvel::FileSizeLine(def, 26));
        EXPECT_EQ(dialog.choiceButton(0) != nullptr, def.choice != nullptr);
    }
}

}  // namespace
