#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "editing/find_bytes_dlg.h"
#include "support/gui_fixture.h"
#include "view/color_combo_box.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;
using orvel::MarkColor;
using orvel::Offset;

namespace {

class FindBytesTest : public GuiTest {
  protected:
    CChildFrame* Window(std::vector<std::uint8_t> bytes) {
        CChildFrame* child = frame()->NewDocument();
        child->document()->data().AssignBytes(
            orvel::ByteBuffer(bytes.data(), static_cast<Offset>(bytes.size())), false);
        return child;
    }
    CFindBytesDlg* OpenFind(CChildFrame* child) {
        frame()->mdiArea()->setActiveSubWindow(child);
        EXPECT_TRUE(frame()->RouteCommand(Cmd::EditFind));
        return child->view()->findChild<CFindBytesDlg*>();
    }
    // The selection covering the hex cells of bytes first..last.
    static orvel::TextSelection HexCells(const COrvelView* view, Offset first, Offset last) {
        return {view->layout().ByteToHexPos(first).high, view->layout().ByteToHexPos(last).low + 1};
    }
};

// Find Next steps through the occurrences without overlap and never wraps.
TEST_F(FindBytesTest, FindNextStepsForwardWithoutOverlap) {
    struct Row {
        const char* pattern;
        std::vector<Offset> finds;
        const char* startAtEnd;
    };
    const Row rows[] = {{"41", {0, 2, 4}, "5"}, {"4142", {0, 2}, "4"}, {"42", {1, 3}, "4"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pattern);
        CChildFrame* child = Window({0x41, 0x42, 0x41, 0x42, 0x41});
        COrvelView* view = child->view();
        CFindBytesDlg* dialog = OpenFind(child);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Find Bytes (in Hex)");
        EXPECT_EQ(dialog->startEdit()->text(), "0");
        EXPECT_TRUE(dialog->autoMarkBox()->isChecked());
        dialog->findWhatEdit()->setText(row.pattern);
        dialog->colorBox()->SelectName("Red");
        const Offset n = static_cast<Offset>(std::string(row.pattern).size() / 2);
        for (const Offset found : row.finds) {
            dialog->findNextButton()->click();
            EXPECT_EQ(view->selection(), HexCells(view, found, found + n - 1));
            EXPECT_EQ(dialog->startEdit()->text(), QString::number(found + n, 16).toUpper());
            EXPECT_EQ(view->marks().ColorAt(found), MarkColor::kRed);
        }
        const orvel::TextSelection last = view->selection();
        dialog->findNextButton()->click();  // nothing more: all stays as it was
        EXPECT_EQ(view->selection(), last);
        EXPECT_EQ(dialog->startEdit()->text(), row.startAtEnd);
        EXPECT_TRUE(prompts().asked.isEmpty());
        EXPECT_FALSE(child->document()->IsModified());
        CloseAll();
    }
}

TEST_F(FindBytesTest, OddDigitsAndNoAutoMark) {
    CChildFrame* child = Window({0x00, 0x0A, 0xBC, 0x01});
    COrvelView* view = child->view();
    CFindBytesDlg* dialog = OpenFind(child);
    dialog->findWhatEdit()->setText("ABC");
    dialog->autoMarkBox()->setChecked(false);
    dialog->colorBox()->SelectName("Blue");
    dialog->findNextButton()->click();
    EXPECT_EQ(view->selection(), HexCells(view, 1, 2));
    EXPECT_TRUE(view->marks().empty());
    dialog->findWhatEdit()->setText("1");
    dialog->startEdit()->setText("0");
    dialog->findNextButton()->click();
    EXPECT_EQ(view->selection(), HexCells(view, 3, 3));
}

TEST_F(FindBytesTest, FaultyFieldsAreReportedAndFocused) {
    struct Row {
        QString start;
        QString findWhat;
        QString message;
        bool startFaulty;
    };
    const Row rows[] = {
        {"", "41", "Please fill the Start Address field!", true},
        {"1Z", "41", "Start Address field contains invalid characters!", true},
        {"0", "", "Please fill the Find What field!", false},
        {"0", "4-", "Find What field contains invalid characters!", false},
    };
    CChildFrame* child = Window({0x41});
    CFindBytesDlg* dialog = OpenFind(child);
    for (const Row& row : rows) {
        prompts().Reset();
        dialog->startEdit()->setText(row.start);
        dialog->findWhatEdit()->setText(row.findWhat);
        dialog->findNextButton()->click();
        ASSERT_EQ(prompts().asked, QStringList{row.message});
        QLineEdit* faulty = row.startFaulty ? dialog->startEdit() : dialog->findWhatEdit();
        EXPECT_EQ(dialog->focusWidget(), faulty);
        EXPECT_EQ(faulty->selectedText(), faulty->text());
        EXPECT_TRUE(child->view()->marks().empty());
    }
}

TEST_F(FindBytesTest, MarkSelectColoursTheSelectedBytesAndKeepsTheSelection) {
    CChildFrame* child = Window(std::vector<std::uint8_t>(0x30, 0x11));
    COrvelView* view = child->view();
    const orvel::TextSelection selection = HexCells(view, 0x10, 0x1F);
    view->SetSelection(selection);
    CFindBytesDlg* dialog = OpenFind(child);
    dialog->colorBox()->SelectName("Magenta");
    dialog->startEdit()->clear();  // not validated by Mark Select
    dialog->markSelectButton()->click();
    EXPECT_TRUE(prompts().asked.isEmpty());
    EXPECT_EQ(view->selection(), selection);
    EXPECT_EQ(view->marks().ColorAt(0x0F), MarkColor::kBlack);
    EXPECT_EQ(view->marks().ColorAt(0x10), MarkColor::kMagenta);
    EXPECT_EQ(view->marks().ColorAt(0x1F), MarkColor::kMagenta);
    EXPECT_EQ(view->marks().ColorAt(0x20), MarkColor::kBlack);
    EXPECT_FALSE(child->document()->IsModified());
}

// One dialog per view, shown only while its window is active, gone with it.
TEST_F(FindBytesTest, TheDialogFollowsItsWindow) {
    CChildFrame* first = Window({1, 2, 3});
    CChildFrame* second = Window({4, 5, 6});
    QPointer<CFindBytesDlg> dialog = OpenFind(first);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    dialog->findWhatEdit()->setText("02");
    EXPECT_EQ(OpenFind(first), dialog.data());  // Find again: the same dialog
    EXPECT_EQ(dialog->findWhatEdit()->text(), "02");
    frame()->mdiArea()->setActiveSubWindow(second);
    EXPECT_FALSE(dialog->isVisible());
    frame()->mdiArea()->setActiveSubWindow(first);
    EXPECT_TRUE(dialog->isVisible());
    // Cancel closes it; the next Find starts afresh.
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    dialog = OpenFind(first);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(dialog->findWhatEdit()->text(), "");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
