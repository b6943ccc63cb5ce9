#include "view/color_combo_box.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include "support/gui_fixture.h"

namespace {

class ColorComboBoxTest : public GuiTest {};

TEST_F(ColorComboBoxTest, OffersTheEightColoursInTableOrder) {
    CColorComboBox box;
    QStringList names;
    for (int i = 0; i < box.count(); ++i)
        names << box.itemText(i);
    EXPECT_EQ(names,
              (QStringList{"Black", "Blue", "Brown", "Cyan", "Green", "Magenta", "Red", "Yellow"}));
    EXPECT_FALSE(box.isEditable());
    EXPECT_EQ(box.currentIndex(), -1);
}

// Names match exactly; an unknown name selects nothing, and reading back
// keeps the remembered name.
TEST_F(ColorComboBoxTest, SelectsByExactNameAndKeepsUnknownNamesOnRead) {
    struct Row {
        std::string remembered;
        int index;
        std::string readBack;
    };
    const Row rows[] = {
        {"Red", 6, "Red"},        {"Black", 0, "Black"}, {"red", -1, "red"},
        {"Purple", -1, "Purple"}, {"", -1, ""},          {"Red ", -1, "Red "},
    };
    for (const Row& row : rows) {
        CColorComboBox box;
        box.SelectName(row.remembered);
        EXPECT_EQ(box.currentIndex(), row.index) << row.remembered;
        std::string name = row.remembered;
        box.ReadName(name);
        EXPECT_EQ(name, row.readBack);
    }
    CColorComboBox box;
    box.SelectName("Purple");
    box.setCurrentIndex(1);  // the user picks Blue
    std::string name = "Purple";
    box.ReadName(name);
    EXPECT_EQ(name, "Blue");
}

// The closed box shows the selected colour as a swatch, framed, without text;
// with nothing selected there is no swatch.
TEST_F(ColorComboBoxTest, DrawsTheSelectedSwatchWithoutText) {
    CColorComboBox box;
    box.resize(120, 28);
    QStyleOptionComboBox option;
    option.initFrom(&box);
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &box);
    const QPoint middle = field.center();
    EXPECT_NE(box.grab().toImage().pixelColor(middle), QColor(255, 0, 0));
    box.SelectName("Red");
    const QImage image = box.grab().toImage();
    EXPECT_EQ(image.pixelColor(middle), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(middle + QPoint(field.width() / 4, 0)), QColor(255, 0, 0));
    // The frame: the inverse of the white background, one pixel inside the field.
    const QColor background = box.palette().color(QPalette::Base);
    const QColor frame(255 - background.red(), 255 - background.green(), 255 - background.blue());
    EXPECT_EQ(image.pixelColor(field.left() + 1, middle.y()), frame);
}

}  // namespace
