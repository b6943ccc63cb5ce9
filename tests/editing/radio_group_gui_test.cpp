// The radio groups of the address dialogs key through as native ones: Tab
// stops at the checked choice only and the arrow keys move the choice round.
#include "support/edit_fixture.h"
#include "support/tab_stops.h"

namespace {

class RadioGroupTest : public GuiTest {};

TEST_F(RadioGroupTest, TabStopsAtTheCheckedChoiceAndArrowsMoveItRound) {
    struct Step {
        Qt::Key key;
        int checked;  // the choice checked and focused afterwards
    };
    struct Case {
        orvel::DialogId id;
        int preset;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {orvel::DialogId::kMaskBytes,  // AND, OR, XOR
         1,
         {{Qt::Key_Right, 2},
          {Qt::Key_Right, 0},
          {Qt::Key_Down, 1},
          {Qt::Key_Up, 0},
          {Qt::Key_Left, 2}}},
        {orvel::DialogId::kBitwiseShift,  // Left Shift, Right Shift
         0,
         {{Qt::Key_Down, 1}, {Qt::Key_Right, 0}, {Qt::Key_Left, 1}, {Qt::Key_Up, 0}}},
    };
    for (const Case& c : cases) {
        const orvel::DialogDef& def = orvel::GetDialogDef(c.id);
        SCOPED_TRACE(std::string(def.title));
        orvel::DialogMembers members;
        members.m_nFileSize = 26;
        members.Set(def.choice->member, c.preset);
        AddressDialog dialog(def, members, prompts(), nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        const int count = static_cast<int>(def.choice->labels.size());
        const auto tabVisits = [&](int choice) {
            const QList<QWidget*> stops = TabStops(dialog.field(0));
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(stops.contains(dialog.choiceButton(i)), i == choice) << i;
        };
        tabVisits(c.preset);

        dialog.choiceButton(c.preset)->setFocus();
        for (const Step& step : c.steps) {
            PressOnFocus(step.key);
            ASSERT_TRUE(dialog.choiceButton(step.checked)->isChecked()) << step.key;
            EXPECT_TRUE(dialog.choiceButton(step.checked)->hasFocus()) << step.key;
        }
        const int chosen = c.steps.back().checked;
        tabVisits(chosen);

        for (int i = 0; i < dialog.fieldCount(); ++i)
            dialog.field(i)->setText("1");
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.members().Get(def.choice->member), chosen);
    }
}

}  // namespace
