#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

#include "marking/mark_blocks_dlg.h"
#include "marking/mark_bytes_dlg.h"
#include "marking/mark_patterns_dlg.h"
#include "marking/mark_units_dlg.h"
#include "support/gui_fixture.h"
#include "support/tab_stops.h"
#include "view/color_combo_box.h"

using namespace orvel;

namespace {

class MarkDialogsGuiTest : public GuiTest {};

constexpr Offset kSize = 100;  // 0x64

// The prompts the fixture scripts.
UserPrompts& Prompts() {
    return COrvelApp::instance()->prompts();
}

struct CheckCase {
    const char* name;
    std::function<std::unique_ptr<MarkDlg>()> make;
    std::map<std::size_t, QString> texts;
    QString message;  // empty: every check passes
    std::size_t field;
};

std::unique_ptr<MarkDlg> Units() {
    return std::make_unique<CMarkUnitsDlg>(MarkUnitsSettings{}, MarkBlock{0, kSize - 1}, kSize,
                                           Prompts(), nullptr);
}
std::unique_ptr<MarkDlg> Bytes() {
    return std::make_unique<CMarkBytesDlg>(MarkBytesSettings{}, MarkBlock{0, kSize - 1}, kSize,
                                           Prompts(), nullptr);
}
std::unique_ptr<MarkDlg> Blocks() {
    return std::make_unique<CMarkBlocksDlg>(MarkBlocksSettings{}, kSize, Prompts(), nullptr);
}
std::unique_ptr<MarkDlg> Patterns(PatternType type) {
    MarkPatternsSettings settings;
    settings.type = type;
    return std::make_unique<CMarkPatternsDlg>(settings, MarkBlock{0, kSize - 1}, kSize, Prompts(),
                                              nullptr);
}

// OK checks the fields in order and reports the first fault: the message, the
// focus on the field with its whole text selected, the dialog still open.
TEST_F(MarkDialogsGuiTest, OkReportsTheFirstFaultAndFocusesItsField) {
    const CheckCase cases[] = {
        {"units start empty",
         Units,
         {{0, ""}, {2, "X"}},
         "Please fill the Start Address field!",
         0},
        {"units start at size",
         Units,
         {{0, "64"}},
         "The value in the Start Address field can not be the same or larger than the value of "
         "file size!",
         0},
        {"units end invalid",
         Units,
         {{1, "1G"}},
         "End Address field contains invalid characters!",
         1},
        {"units size equal to file",
         Units,
         {{2, "100"}},
         "The value in the Number of Bytes in Each Unit (Dec) field can not be the same or larger "
         "than the value of the file size!",
         2},
        {"units size 99", Units, {{2, "99"}}, "", 0},
        {"units start above end", Units, {{0, "50"}, {1, "10"}}, "", 0},
        {"bytes second value",
         Bytes,
         {{2, "41"}, {3, "4X"}},
         "Value2 field contains invalid characters!",
         3},
        {"bytes empty values", Bytes, {{2, ""}, {3, " "}}, "", 0},
        {"blocks second end",
         Blocks,
         {{0, "10"}, {3, "x"}},
         "Block2 End Address field contains invalid characters!",
         3},
        {"blocks all empty", Blocks, {}, "", 0},
        {"type2 empty body",
         [] { return Patterns(PatternType::kType2); },
         {{2, "4D"}},
         "Please fill the Body Size field!",
         3},
        {"type1 ignores the count",
         [] { return Patterns(PatternType::kType1); },
         {{3, "ZZ"}, {4, "5A"}},
         "",
         0},
        {"type3 bad header first",
         [] { return Patterns(PatternType::kType3); },
         {{2, "Q"}, {3, ""}},
         "Header Value field contains invalid characters!",
         2},
        {"type3 ignores the tail",
         [] { return Patterns(PatternType::kType3); },
         {{3, "3"}, {4, "ZZ"}},
         "",
         0},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        prompts().Reset();
        std::unique_ptr<MarkDlg> dialog = c.make();
        for (const auto& [field, text] : c.texts)
            dialog->edit(field)->setText(text);
        dialog->show();
        const bool passed = dialog->CheckFields();
        EXPECT_EQ(passed, c.message.isEmpty());
        if (!c.message.isEmpty()) {
            ASSERT_EQ(prompts().asked, QStringList{c.message});
            QLineEdit* faulty = dialog->edit(c.field);
            EXPECT_EQ(dialog->focusWidget(), faulty);
            EXPECT_EQ(faulty->selectedText(), faulty->text());
        } else {
            EXPECT_TRUE(prompts().asked.isEmpty());
        }
        dialog->close();
    }
}

TEST_F(MarkDialogsGuiTest, DialogsShowTheirTitlesPresetsAndFileSize) {
    const auto bytes = Bytes();
    EXPECT_EQ(bytes->windowTitle(), "Mark Bytes");
    EXPECT_EQ(bytes->edit(kBytesEnd)->text(), "63");
    EXPECT_EQ(bytes->clearBox()->text(), "Clear Previous Marks In the Block");
    QStringList labels;
    for (const QLabel* label : bytes->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("File Size: 0X 64 Bytes (In Hex) or 100 Bytes (In Decimal)"))
        << labels.join('|').toStdString();
    const auto blocks = Blocks();
    EXPECT_EQ(blocks->windowTitle(), "Mark Blocks");
    EXPECT_EQ(blocks->edit(0)->text(), "");  // not given
    EXPECT_EQ(blocks->clearBox()->text(), "Clear Previous Marks In the File");
    // A negative end (an empty file) shows empty.
    CMarkUnitsDlg units(MarkUnitsSettings{}, PresetMarkBlock(-1, -1, 0), 0, Prompts(), nullptr);
    EXPECT_EQ(units.windowTitle(), "Mark Units");
    EXPECT_EQ(units.edit(kUnitsStart)->text(), "0");
    EXPECT_EQ(units.edit(kUnitsEnd)->text(), "");
    EXPECT_EQ(units.edit(kUnitsSize)->text(), "2");
    EXPECT_EQ(units.edit(kUnitsSize)->maxLength(), 4);
}

// Switching the type relabels the fields and keeps what was typed; OK stores
// it as the chosen type's values only.
TEST_F(MarkDialogsGuiTest, PatternTypesRelabelAndStoreAsTheChosenType) {
    MarkPatternsSettings settings;
    settings.types[0].header = "4D";
    settings.types[0].tail = "5A";
    settings.types[0].colors[1] = "Green";
    CMarkPatternsDlg dialog(settings, MarkBlock{0, kSize - 1}, kSize, Prompts(), nullptr);
    dialog.show();
    EXPECT_TRUE(dialog.typeButton(PatternType::kType1)->isChecked());
    EXPECT_EQ(dialog.edit(kPatternsHeader)->text(), "4D");
    EXPECT_FALSE(dialog.edit(kPatternsCount)->isVisible());
    EXPECT_EQ(dialog.colorLabel(2)->text(), "Tail Color:");
    EXPECT_EQ(dialog.color(1)->currentText(), "Green");

    dialog.typeButton(PatternType::kType3)->setChecked(true);
    EXPECT_EQ(dialog.fieldLabel(kPatternsCount)->text(), "Number of Tail Bytes (Dec):");
    EXPECT_TRUE(dialog.edit(kPatternsCount)->isVisible());
    EXPECT_FALSE(dialog.edit(kPatternsTail)->isVisible());
    EXPECT_EQ(dialog.colorLabel(1)->text(), "Color of Tail Bytes:");
    EXPECT_EQ(dialog.colorLabel(2)->text(), "the Last Tail Byte");
    EXPECT_EQ(dialog.edit(kPatternsHeader)->text(), "4D");

    dialog.typeButton(PatternType::kType2)->setChecked(true);
    EXPECT_EQ(dialog.fieldLabel(kPatternsCount)->text(), "Number of Body Bytes (Dec):");
    EXPECT_TRUE(dialog.edit(kPatternsTail)->isVisible());
    dialog.edit(kPatternsCount)->setText("2");
    dialog.accept();
    ASSERT_TRUE(prompts().asked.isEmpty());
    const MarkPatternsSettings& stored = dialog.settings();
    EXPECT_EQ(stored.type, PatternType::kType2);
    EXPECT_EQ(stored.types[1].header, "4D");
    EXPECT_EQ(stored.types[1].count, "2");
    EXPECT_EQ(stored.types[1].colors[1], "Green");
    EXPECT_EQ(stored.types[0].count, "");  // Type1 keeps its own values
    EXPECT_EQ(stored.types[2].header, "");
}

// The pattern types key through as a native radio group.
TEST_F(MarkDialogsGuiTest, TabStopsAtTheCheckedTypeAndArrowsChangeIt) {
    MarkPatternsSettings settings;
    settings.type = PatternType::kType2;
    CMarkPatternsDlg dialog(settings, MarkBlock{0, kSize - 1}, kSize, Prompts(), nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    const auto tabVisits = [&dialog](PatternType type) {
        const QList<QWidget*> stops = TabStops(dialog.edit(kPatternsStart));
        for (const PatternType t : {PatternType::kType1, PatternType::kType2, PatternType::kType3})
            EXPECT_EQ(stops.contains(dialog.typeButton(t)), t == type) << static_cast<int>(t);
    };
    tabVisits(PatternType::kType2);

    dialog.typeButton(PatternType::kType2)->setFocus();
    PressOnFocus(Qt::Key_Left);
    EXPECT_EQ(dialog.type(), PatternType::kType1);
    EXPECT_TRUE(dialog.typeButton(PatternType::kType1)->hasFocus());
    EXPECT_FALSE(dialog.edit(kPatternsCount)->isVisible());
    PressOnFocus(Qt::Key_Up);
    EXPECT_EQ(dialog.type(), PatternType::kType3);
    EXPECT_EQ(dialog.colorLabel(2)->text(), "the Last Tail Byte");
    PressOnFocus(Qt::Key_Down);
    EXPECT_EQ(dialog.type(), PatternType::kType1);
    tabVisits(PatternType::kType1);
}

}  // namespace
