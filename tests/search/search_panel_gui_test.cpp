// The search panel of a single-file window driven through its keys, buttons
// and list, offscreen.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include "search/hit_list_model.h"
#include "search/search_command_table.h"
#include "search/search_commands.h"
#include "search/search_panel.h"
#include "search/search_query.h"
#include "support/edit_fixture.h"
#include "view/color_combo_box.h"

namespace {

using orvel::Offset;

class SearchPanelTest : public EditTest {
  protected:
    // Opens the bytes and the panel (Ctrl+Shift+F) with `pattern` typed in.
    SearchPanel* OpenWith(const std::vector<std::uint8_t>& bytes, const QString& pattern) {
        view_ = Open(bytes, "search.bin");
        if (view_ == nullptr)
            return nullptr;
        QTest::keyClick(view_, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        SearchPanel* panel = view_->part<SearchCommands>().panel();
        if (panel == nullptr)
            return nullptr;
        panel->patternBox()->setEditText(pattern);
        view_->setFocus();
        return panel;
    }
    // The bytes selected, as [first, last] inclusive.
    [[nodiscard]] std::pair<Offset, Offset> Selected() const {
        const orvel::ByteRange range =
            view_->layout().GetSelectedBytes(view_->selection(), view_->data().endMarker());
        return {range.first, range.last};
    }
    // Keys reach the shortcuts of the active window only, as the last update left them.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(frame());
        frame()->UpdateCommands();
        QTest::keyClick(view_, key, modifiers);
    }
    [[nodiscard]] QString Status() const { return frame()->statusBar()->currentMessage(); }
    static void Click(SearchPanel* panel, const char* button) {
        QPushButton* found = panel->button(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }

    COrvelView* view_ = nullptr;
};

using Range = std::pair<Offset, Offset>;

TEST_F(SearchPanelTest, F3AndShiftF3StepThroughTheHitsAndWrap) {
    SearchPanel* panel = OpenWith({0x41, 0x42, 0x41, 0x42, 0x00, 0x41, 0x42, 0x00}, "41 42");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(view_->parentWidget()->findChild<SearchPanel*>(), panel);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(0, 1));
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(2, 3));
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(5, 6));
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(0, 1));
    EXPECT_TRUE(Status().contains("wrapped")) << Status().toStdString();
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), Range(5, 6));
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), Range(2, 3));

    // Without wrapping the end is the end; the selection stays.
    panel->wrapBox()->setChecked(false);
    Key(Qt::Key_F3);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(5, 6));
    EXPECT_EQ(Status(), QStringLiteral("Not found: 41 42"));
    // Backward as the direction turns F3 round.
    panel->backwardButton()->setChecked(true);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(2, 3));
    EXPECT_TRUE(prompts().asked.isEmpty());
}

TEST_F(SearchPanelTest, WithinTheSelectionOnlyItsHitsAreFound) {
    SearchPanel* panel = OpenWith({0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41}, "41");
    ASSERT_NE(panel, nullptr);
    const orvel::DumpLayout layout = view_->layout();
    view_->SetSelection({layout.ByteToHexPos(3).high, layout.ByteToHexPos(4).low + 1});
    panel->withinBox()->click();
    EXPECT_TRUE(panel->withinBox()->isChecked());
    EXPECT_EQ(panel->withinBox()->text(), QStringLiteral("Within selection (3-4)"));
    view_->SetCaret(layout.ByteToHexPos(0).high);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(3, 3));
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(4, 4));
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(3, 3));
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), Range(4, 4));

    // Replace All keeps to the selection too; bytes that come or go end it.
    panel->replacementEdit()->setText(QStringLiteral("42"));
    Click(panel, "Replace All");
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(Bytes(view_),
              (std::vector<std::uint8_t>{0x41, 0x41, 0x41, 0x42, 0x42, 0x41, 0x41, 0x41}));
    EXPECT_TRUE(panel->withinBox()->isChecked());
    view_->data().RemoveBytes(0, 1);
    EXPECT_FALSE(panel->withinBox()->isChecked());

    // With nothing selected there is nothing to keep to.
    panel->withinBox()->click();
    view_->SetCaret(layout.ByteToHexPos(0).high);
    panel->withinBox()->click();
    EXPECT_FALSE(panel->withinBox()->isChecked());
}

TEST_F(SearchPanelTest, TextInUtf16AnyCaseAndBadPatternsAreTold) {
    SearchPanel* panel = OpenWith({0x00, 'a', 0x00, 'B', 0x00, 'A', 0x00, 'b', 0x00}, "Ab");
    ASSERT_NE(panel, nullptr);
    panel->modeBox()->setCurrentIndex(
        panel->modeBox()->findData(static_cast<int>(orvel::PatternMode::kUtf16LE)));
    panel->caseBox()->setChecked(false);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(1, 4));
    panel->caseBox()->setChecked(true);
    Key(Qt::Key_F3);
    EXPECT_EQ(Selected(), Range(5, 8));

    panel->modeBox()->setCurrentIndex(0);
    panel->patternBox()->setEditText(QStringLiteral("4X"));
    Key(Qt::Key_F3);
    ASSERT_EQ(prompts().asked.size(), 1);
    EXPECT_EQ(prompts().asked[0], QString::fromUtf8(orvel::kBadHexPatternMessage));
    EXPECT_EQ(Selected(), Range(5, 8));
    // The field takes a pattern longer than the limit whole, to refuse it.
    panel->patternBox()->setEditText(QString(2 * 65536 + 2, QLatin1Char('A')));
    Key(Qt::Key_F3);
    ASSERT_EQ(prompts().asked.size(), 2);
    EXPECT_EQ(prompts().asked[1], QString::fromUtf8(orvel::kPatternTooLongMessage));
}

TEST_F(SearchPanelTest, FindAllListsTheHitsAClickSelectsOneAndTheyCanBeMarked) {
    std::vector<std::uint8_t> bytes(0x100, 0);
    for (const Offset at : {0x10, 0x55, 0xF0})
        bytes[at] = 0xCA, bytes[at + 1] = 0xFE;
    SearchPanel* panel = OpenWith(bytes, "CAFE");
    ASSERT_NE(panel, nullptr);
    Click(panel, "Find All");
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(panel->countLabel()->text(), QStringLiteral("3 hits"));
    const HitListModel& hits = view_->part<SearchCommands>().hitList();
    EXPECT_EQ(hits.hits(), (std::vector<Offset>{0x10, 0x55, 0xF0}));
    EXPECT_EQ(hits.index(1, 0).data().toString(), QStringLiteral("55"));
    EXPECT_EQ(hits.index(1, 1).data().toString(),
              QStringLiteral("00 00 00 00 [CA FE] 00 00 00 00  .........."));

    QTableView* list = panel->hitView();
    list->resize(400, 300);
    const QRect row = list->visualRect(hits.index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    EXPECT_EQ(Selected(), Range(0x55, 0x56));

    panel->colorBox()->SelectName("Green");
    Click(panel, "Mark the Hits");
    for (const Offset at : {0x10, 0x55, 0xF0}) {
        EXPECT_EQ(view_->marks().ColorAt(at), orvel::MarkColor::kGreen);
        EXPECT_EQ(view_->marks().ColorAt(at + 1), orvel::MarkColor::kGreen);
        EXPECT_EQ(view_->marks().ColorAt(at + 2), orvel::MarkColor::kBlack);
    }
    EXPECT_FALSE(view_->data().dataModified());

    // An edit makes the offsets stale: the list goes.
    view_->data().SetByte(0, 1);
    EXPECT_EQ(hits.rowCount(), 0);
}

TEST_F(SearchPanelTest, FindAllStopsAtTheSetLimitAndSaysSo) {
    QSettings& settings = COrvelApp::instance()->settings();
    settings.setValue(kSearchMaxHitsKey, 5);
    SearchPanel* panel = OpenWith(std::vector<std::uint8_t>(100, 0x41), "41");
    ASSERT_NE(panel, nullptr);
    Click(panel, "Find All");
    ASSERT_TRUE(WaitJobs());
    settings.remove(kSearchMaxHitsKey);
    EXPECT_EQ(view_->part<SearchCommands>().hitList().rowCount(), 5);
    EXPECT_EQ(panel->countLabel()->text(),
              QStringLiteral("The first 5 hits: the list stops at 5."));
}

TEST_F(SearchPanelTest, EscStopsFindAllOnALargeFile) {
    // Every position passes the first-and-last-byte filter of 00 01 00 on zeros: a slow search.
    SearchPanel* panel = OpenWith(std::vector<std::uint8_t>(std::size_t{256} << 20, 0), "000100");
    ASSERT_NE(panel, nullptr);
    Click(panel, "Find All");
    ASSERT_TRUE(view_->documentJob().running());
    QTest::keyClick(view_, Qt::Key_Escape);
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(panel->countLabel()->text(), QStringLiteral("0 hits (stopped before the end)"));
}

TEST_F(SearchPanelTest, ReplaceAllIsOneStepOfAnyLengthAndUndoes) {
    const std::vector<std::uint8_t> start{1, 0xAA, 2, 0xAA, 0xAA, 3};
    SearchPanel* panel = OpenWith(start, "AA");
    ASSERT_NE(panel, nullptr);
    view_->marks().Paint(0, 5, orvel::MarkColor::kBlue);

    // Same length: the marks stay.
    panel->replacementEdit()->setText(QStringLiteral("BB"));
    Click(panel, "Replace All");
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(Bytes(view_), (std::vector<std::uint8_t>{1, 0xBB, 2, 0xBB, 0xBB, 3}));
    EXPECT_EQ(view_->marks().ColorAt(3), orvel::MarkColor::kBlue);
    EXPECT_EQ(Status(), QStringLiteral("3 hits replaced."));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(view_), start);

    // Another length changes the size and clears the marks; one undo restores it all.
    panel->replacementEdit()->setText(QStringLiteral("CC DD EE"));
    Click(panel, "Replace All");
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(Bytes(view_), (std::vector<std::uint8_t>{1, 0xCC, 0xDD, 0xEE, 2, 0xCC, 0xDD, 0xEE,
                                                       0xCC, 0xDD, 0xEE, 3}));
    EXPECT_TRUE(view_->marks().empty());
    EXPECT_EQ(view_->data().history().UndoName(), "Replace All");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(view_), start);
    EXPECT_FALSE(view_->data().dataModified());

    // An empty replacement removes the hits.
    panel->replacementEdit()->clear();
    Click(panel, "Replace All");
    ASSERT_TRUE(WaitJobs());
    EXPECT_EQ(Bytes(view_), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SearchPanelTest, ReplaceChangesTheSelectedHitAndFindsTheNext) {
    SearchPanel* panel = OpenWith({0xAA, 0, 0xAA, 0, 0xAA}, "AA");
    ASSERT_NE(panel, nullptr);
    panel->replacementEdit()->setText(QStringLiteral("11 22"));
    // Nothing selected is a hit yet: Replace finds the first.
    Click(panel, "Replace");
    EXPECT_EQ(Selected(), Range(0, 0));
    EXPECT_EQ(Bytes(view_)[0], 0xAA);
    Click(panel, "Replace");
    EXPECT_EQ(Bytes(view_), (std::vector<std::uint8_t>{0x11, 0x22, 0, 0xAA, 0, 0xAA}));
    EXPECT_EQ(Selected(), Range(3, 3));
    EXPECT_EQ(view_->data().history().UndoName(), "Replace");

    // Replacing the only byte by nothing leaves an empty file.
    CloseAll();
    panel = OpenWith({0xAA}, "AA");
    ASSERT_NE(panel, nullptr);
    panel->replacementEdit()->clear();
    Click(panel, "Replace");
    Click(panel, "Replace");
    EXPECT_TRUE(Bytes(view_).empty());
    EXPECT_EQ(Status(), QStringLiteral("Not found: AA"));
}

TEST_F(SearchPanelTest, ThePatternFieldRemembersTheTextsSearched) {
    SearchPanel* panel = OpenWith({1, 2, 3}, "01");
    ASSERT_NE(panel, nullptr);
    Key(Qt::Key_F3);
    panel->patternBox()->setEditText(QStringLiteral("02"));
    Key(Qt::Key_F3);
    panel->patternBox()->setEditText(QStringLiteral("01"));
    Key(Qt::Key_F3);
    ASSERT_GE(panel->patternBox()->count(), 2);
    EXPECT_EQ(panel->patternBox()->itemText(0), QStringLiteral("01"));
    EXPECT_EQ(panel->patternBox()->itemText(1), QStringLiteral("02"));
    // Another window's panel offers them too.
    CloseAll();
    SearchPanel* again = OpenWith({4}, "");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->patternBox()->itemText(0), QStringLiteral("01"));
}

}  // namespace
