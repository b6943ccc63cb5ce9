#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "support/gui_fixture.h"
#include "support/tab_stops.h"
#include "tools/ascii_table_dlg.h"
#include "tools/notation_convert_dlg.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;

namespace {

class ReferenceWindowsTest : public GuiTest {
  protected:
    void TearDown() override {
        for (QWidget* window : {static_cast<QWidget*>(frame()->asciiTableDlg()),
                                static_cast<QWidget*>(frame()->notationDlg())}) {
            if (window != nullptr)
                window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GuiTest::TearDown();
    }
    static QRect Screen() { return QGuiApplication::primaryScreen()->geometry(); }
};

TEST_F(ReferenceWindowsTest, AsciiTableExistsOnceAndOpensAnewAfterClosing) {
    frame()->RouteCommand(Cmd::HelpAsciiTable);
    CAsciiTableDlg* table = frame()->asciiTableDlg();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_TRUE(table->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(table->pos(), QPoint(Screen().width() / 3, Screen().height() / 3));
    EXPECT_EQ(table->windowTitle(), "ASCII Table");
    EXPECT_EQ(table->headerText(), "  Binary        Dec     Hex    Control");
    EXPECT_TRUE(table->bodyText().startsWith("\n  0000 0000     000     00     NULL\n"));
    EXPECT_EQ(table->findChild<QPlainTextEdit*>()->font().family(), "Courier");

    frame()->RouteCommand(Cmd::HelpAsciiTable);
    EXPECT_EQ(frame()->asciiTableDlg(), table);
    EXPECT_EQ(frame()->findChildren<CAsciiTableDlg*>().size(), 1);

    // The range buttons switch both texts.
    QRadioButton* chars = nullptr;
    for (QRadioButton* button : table->findChildren<QRadioButton*>()) {
        if (button->text() == "32 - 127 (Standard characters)")
            chars = button;
    }
    ASSERT_NE(chars, nullptr);
    QTest::mouseClick(chars, Qt::LeftButton);
    EXPECT_EQ(table->range(), 1);
    EXPECT_EQ(table->headerText(), "  Binary        Dec     Hex    Character");
    EXPECT_TRUE(table->bodyText().contains("0110 0000     096     60     `\n"));

    table->close();
    EXPECT_EQ(frame()->asciiTableDlg(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame()->findChildren<CAsciiTableDlg*>().isEmpty());

    frame()->RouteCommand(Cmd::HelpAsciiTable);
    ASSERT_NE(frame()->asciiTableDlg(), nullptr);
    EXPECT_EQ(frame()->asciiTableDlg()->range(), 0);
}

TEST_F(ReferenceWindowsTest, NotationConvertWorksEachGroupFromItsOwnInput) {
    frame()->RouteCommand(Cmd::HelpNotationConvert);
    CNotationConvertDlg* dlg = frame()->notationDlg();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->pos(), QPoint(Screen().width() / 2, Screen().height() / 2));
    EXPECT_EQ(dlg->windowTitle(), "Notation Convert");

    QTest::keyClicks(dlg->hexInput(), "0f");
    EXPECT_EQ(dlg->hexInput()->text(), "0F");
    EXPECT_EQ(dlg->hexGroupDec()->text(), "15");
    EXPECT_EQ(dlg->hexGroupBin()->text(), "0000 1111 ");
    EXPECT_TRUE(dlg->decGroupHex()->text().isEmpty());

    QTest::keyClicks(dlg->decInput(), "999999999");  // the ninth digit is refused
    EXPECT_EQ(dlg->decInput()->text(), "99999999");
    EXPECT_EQ(dlg->decGroupHex()->text(), "5F5E0FF");
    EXPECT_EQ(dlg->decGroupBin()->text(), "0101 1111 0101 1110 0000 1111 1111 ");
    EXPECT_EQ(dlg->hexGroupDec()->text(), "15");

    dlg->hexInput()->clear();
    QTest::keyClicks(dlg->hexInput(), "FFFFFFFF");
    EXPECT_EQ(dlg->hexGroupDec()->text(), "-1");
    QTest::keyClick(dlg->hexInput(), Qt::Key_Backspace);
    QTest::keyClicks(dlg->hexInput(), "G");
    EXPECT_TRUE(dlg->hexGroupDec()->text().isEmpty());
    EXPECT_TRUE(dlg->hexGroupBin()->text().isEmpty());

    frame()->RouteCommand(Cmd::HelpNotationConvert);
    EXPECT_EQ(frame()->notationDlg(), dlg);
    QTest::keyClick(dlg, Qt::Key_Escape);
    EXPECT_EQ(frame()->notationDlg(), nullptr);
}

// Enter typed into a field (or on a range button) is no click on Close.
TEST_F(ReferenceWindowsTest, EnterLeavesTheWindowsOpenAndCloseStillCloses) {
    frame()->RouteCommand(Cmd::HelpNotationConvert);
    CNotationConvertDlg* dlg = frame()->notationDlg();
    ASSERT_NE(dlg, nullptr);
    QApplication::setActiveWindow(dlg);
    for (QLineEdit* input : {dlg->hexInput(), dlg->decInput()}) {
        input->setFocus();
        QTest::keyClicks(input, "12");
        QTest::keyClick(input, Qt::Key_Return);
        QTest::keyClick(input, Qt::Key_Enter, Qt::KeypadModifier);
        ASSERT_EQ(frame()->notationDlg(), dlg);
        EXPECT_TRUE(dlg->isVisible());
    }
    EXPECT_EQ(dlg->hexGroupDec()->text(), "18");

    frame()->RouteCommand(Cmd::HelpAsciiTable);
    CAsciiTableDlg* table = frame()->asciiTableDlg();
    ASSERT_NE(table, nullptr);
    QApplication::setActiveWindow(table);
    QRadioButton* range = table->findChildren<QRadioButton*>().front();
    range->setFocus();
    QTest::keyClick(range, Qt::Key_Return);
    ASSERT_EQ(frame()->asciiTableDlg(), table);

    for (QDialog* window : {static_cast<QDialog*>(dlg), static_cast<QDialog*>(table)}) {
        QPushButton* close = window->findChild<QPushButton*>();
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), "Close");
        QTest::mouseClick(close, Qt::LeftButton);
    }
    EXPECT_EQ(frame()->notationDlg(), nullptr);
    EXPECT_EQ(frame()->asciiTableDlg(), nullptr);
}

// The range buttons key through as a native radio group.
TEST_F(ReferenceWindowsTest, TabStopsAtTheCheckedRangeAndArrowsChangeIt) {
    frame()->RouteCommand(Cmd::HelpAsciiTable);
    CAsciiTableDlg* table = frame()->asciiTableDlg();
    ASSERT_NE(table, nullptr);
    QApplication::setActiveWindow(table);
    const QList<QRadioButton*> ranges = table->findChildren<QRadioButton*>();
    ASSERT_EQ(ranges.size(), 2);
    QPushButton* close = table->findChild<QPushButton*>();
    const auto tabVisits = [&](int range) {
        const QList<QWidget*> stops = TabStops(close);
        EXPECT_EQ(stops.contains(ranges[0]), range == 0);
        EXPECT_EQ(stops.contains(ranges[1]), range == 1);
    };
    tabVisits(0);

    ranges[0]->setFocus();
    PressOnFocus(Qt::Key_Right);
    EXPECT_EQ(table->range(), 1);
    EXPECT_EQ(table->headerText(), "  Binary        Dec     Hex    Character");
    EXPECT_TRUE(ranges[1]->hasFocus());
    tabVisits(1);
    ranges[1]->setFocus();
    PressOnFocus(Qt::Key_Down);
    EXPECT_EQ(table->range(), 0);
    EXPECT_EQ(table->headerText(), "  Binary        Dec     Hex    Control");
}

}  // namespace
