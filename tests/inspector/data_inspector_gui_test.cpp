// The data inspector dock: the values at the caret, editing them through the
// document, refusals, the byte order, and the View menu's check.
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>
#include <QTableWidget>
#include <QTest>

#include "inspector/data_inspector_dock.h"
#include "support/edit_fixture.h"

namespace Cmd = orvel::Cmd;
using orvel::ByteOrder;
using orvel::InspectorField;

namespace {

class DataInspectorTest : public EditTest {
  protected:
    void SetUp() override {
        EditTest::SetUp();
        if (dock()->isHidden()) {
            ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewDataInspector));
        }
        dock()->setByteOrder(ByteOrder::kLittleEndian);
    }
    void TearDown() override {
        dock()->hide();
        EditTest::TearDown();
    }

    static DataInspectorDock* dock() { return COrvelApp::instance()->mainFrame()->dataInspector(); }
    static int Row(InspectorField field) {
        const auto& fields = orvel::kInspectorFields;
        return static_cast<int>(std::find(fields.begin(), fields.end(), field) - fields.begin());
    }
    static QTableWidgetItem* Item(InspectorField field) {
        QCoreApplication::processEvents();  // the dock catches up once per turn
        return dock()->table()->item(Row(field), 1);
    }
    static QString Value(InspectorField field) { return Item(field)->text(); }
};

TEST_F(DataInspectorTest, ShowsTheValuesAtTheCaretInTheChosenOrder) {
    COrvelView* view = Open({0x4D, 0x5A, 0x90, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xC3, 0xA9});
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Value(InspectorField::kInt8), "77");
    EXPECT_EQ(Value(InspectorField::kUInt16), "23117");
    EXPECT_EQ(Value(InspectorField::kUInt32), "9460301");
    EXPECT_EQ(Value(InspectorField::kBinary), "01001101");
    EXPECT_EQ(Value(InspectorField::kAscii), "M");
    dock()->setByteOrder(ByteOrder::kBigEndian);
    EXPECT_EQ(Value(InspectorField::kUInt16), "19802");
    EXPECT_TRUE(COrvelApp::instance()->settings().value("DataInspector/BigEndian").toBool());
    dock()->setByteOrder(ByteOrder::kLittleEndian);

    // The caret moves: the values follow, here in the character column.
    view->SetCaret(view->layout().LineColToTextPos(0, 60 + 4));
    EXPECT_EQ(Value(InspectorField::kInt32), "-1");
    EXPECT_EQ(Value(InspectorField::kUInt32), "4294967295");
    view->SetCaret(view->layout().ByteToHexPos(8).high);
    EXPECT_EQ(Value(InspectorField::kUtf8), QString::fromUtf8("\u00E9 (U+00E9)"));
    // Past the end the values have no bytes: unavailable, and not editable.
    EXPECT_EQ(Value(InspectorField::kUInt16), "43459");
    EXPECT_EQ(Value(InspectorField::kUInt32), "unavailable");
    EXPECT_FALSE(Item(InspectorField::kUInt32)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(Item(InspectorField::kUInt16)->flags() & Qt::ItemIsEditable);
    view->SetCaret(view->dump().Length());
    EXPECT_EQ(Value(InspectorField::kUInt8), "unavailable");
    // A selection is read at its first byte.
    view->SetSelection(
        {view->layout().ByteToHexPos(5).low + 1, view->layout().ByteToHexPos(1).high});
    EXPECT_EQ(Value(InspectorField::kUInt8), "90");
    EXPECT_EQ(dock()->inspected(), 1);
}

// A value typed in the table writes its bytes at the caret as one step of the
// history; undo takes it back whole.
TEST_F(DataInspectorTest, AnEditedValueWritesItsBytesAsOneUndoableStep) {
    COrvelView* view = Open({0x00, 0x11, 0x22, 0x33, 0x44, 0x55});
    ASSERT_NE(view, nullptr);
    view->SetCaret(view->layout().ByteToHexPos(1).high);
    QTableWidget* table = dock()->table();
    QTableWidgetItem* item = Item(InspectorField::kInt32);
    table->setCurrentItem(item);
    table->editItem(item);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("-0x2");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the table commits its editor's text then
    EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x55}));
    EXPECT_TRUE(view->data().dataModified());
    EXPECT_EQ(Value(InspectorField::kInt32), "-2");
    frame()->UpdateCommands();
    EXPECT_EQ(frame()->action(Cmd::EditUndo)->text(), "&Undo Edit Value\tCtrl+Z");

    dock()->setByteOrder(ByteOrder::kBigEndian);
    EXPECT_TRUE(dock()->WriteValue(InspectorField::kUInt16, "0x1234"));
    EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x00, 0x12, 0x34, 0xFF, 0xFF, 0x55}));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::EditUndo));
    ASSERT_TRUE(frame()->RouteCommand(Cmd::EditUndo));
    EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_FALSE(view->data().dataModified());
    // The value already there is no change.
    EXPECT_TRUE(dock()->WriteValue(InspectorField::kUInt8, "17"));
    EXPECT_FALSE(view->data().dataModified());
    EXPECT_TRUE(prompts().asked.isEmpty());
}

TEST_F(DataInspectorTest, AValueThatDoesNotFitIsRefusedAndChangesNothing) {
    COrvelView* view = Open({0x01, 0x02, 0x03});
    ASSERT_NE(view, nullptr);
    view->SetCaret(view->layout().ByteToHexPos(1).high);
    struct Case {
        InspectorField field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {InspectorField::kUInt8, "300",
         "300 does not fit: an unsigned 8-bit value lies between 0 and 255."},
        {InspectorField::kInt16, "-32769",
         "-32769 does not fit: a signed 16-bit value lies between -32768 and 32767."},
        {InspectorField::kUInt32, "1",
         "The value takes 4 bytes, but only 2 bytes are left "
         "before the end of the file."},
        {InspectorField::kBinary, "102",
         "\"102\" is not a byte in binary. Type one to eight binary digits (0 and 1)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        prompts().Reset();
        Item(c.field)->setText(c.text);  // what the table's editor does on Enter
        EXPECT_EQ(prompts().asked, QStringList{c.message});
        EXPECT_EQ(Bytes(view), (std::vector<std::uint8_t>{0x01, 0x02, 0x03}));
        EXPECT_FALSE(view->data().dataModified());
        EXPECT_FALSE(view->data().history().CanUndo());
    }
    // The table shows the value as it stands again.
    EXPECT_EQ(Value(InspectorField::kUInt8), "2");
    prompts().Reset();
}

// The dock follows the active window, and waits while a worker owns the bytes.
TEST_F(DataInspectorTest, FollowsTheActiveWindowAndWaitsForWorkers) {
    COrvelView* first = Open({0x0A}, "a.bin");
    COrvelView* second = Open({0x0B}, "b.bin");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Value(InspectorField::kUInt8), "11");
    frame()->mdiArea()->activatePreviousSubWindow();
    EXPECT_EQ(Value(InspectorField::kUInt8), "10");

    first->data().m_bMarking = 1;
    first->data().m_bMarkIdle = 0;
    EXPECT_FALSE(dock()->WriteValue(InspectorField::kUInt8, "12"));
    EXPECT_EQ(first->data().at(0), 0x0A);
    first->data().m_bMarking = 0;
    first->data().m_bMarkIdle = 1;
    EXPECT_TRUE(dock()->WriteValue(InspectorField::kUInt8, "12"));
    EXPECT_EQ(first->data().at(0), 12);
    EXPECT_EQ(second->data().at(0), 0x0B);
}

// View > Data Inspector shows and hides the dock, checked while it is shown,
// and the settings remember the choice for the next start.
TEST_F(DataInspectorTest, TheViewMenuItemTogglesTheDockAndIsRemembered) {
    QAction* item = frame()->action(Cmd::ViewDataInspector);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Data Inspector");
    frame()->UpdateCommands();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(COrvelApp::instance()->settings().value("View/DataInspector").toBool());
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewDataInspector));
    EXPECT_TRUE(dock()->isHidden());
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(COrvelApp::instance()->settings().value("View/DataInspector").toBool());
    // Its own close button counts the same.
    ASSERT_TRUE(frame()->RouteCommand(Cmd::ViewDataInspector));
    dock()->close();
    EXPECT_FALSE(COrvelApp::instance()->settings().value("View/DataInspector").toBool());
}

}  // namespace
