// Every toolbar button can be told from the others by the shape of its
// picture alone, at the 16 x 15 pixels of a normal screen.
#include "support/compare_gui_fixture.h"

#include <QAction>
#include <QImage>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace {

// The pixels of a picture that carry ink: drawn (not transparent) and darker
// than paper, whatever their colour.
std::vector<bool> InkMask(const QIcon& icon) {
    const QImage image =
        icon.pixmap(QSize(16, 15), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    std::vector<bool> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ink.push_back(qAlpha(pixel) >= 128 && qGray(pixel) < 224);
        }
    }
    return ink;
}

class ToolbarIconsTest : public CompareGuiTest {};

TEST_F(ToolbarIconsTest, EveryButtonHasAShapeOfItsOwnAt1x) {
    CCompareFilesChildFrame* comparison = Open({1}, {2});
    ASSERT_NE(comparison, nullptr);
    QList<QToolBar*> bars = {frame()->toolBar("Main toolbar"), frame()->toolBar("Mark Toolbar")};
    bars << comparison->findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 3);

    QStringList names;
    std::vector<std::vector<bool>> masks;
    for (const QToolBar* bar : bars) {
        for (const QAction* button : bar->actions()) {
            if (button->isSeparator())
                continue;
            const QImage image = button->icon().pixmap(QSize(16, 15), 1.0).toImage();
            EXPECT_EQ(image.size(), QSize(16, 15)) << button->toolTip().toStdString();
            names << button->toolTip();
            masks.push_back(InkMask(button->icon()));
            EXPECT_NE(std::count(masks.back().begin(), masks.back().end(), true), 0)
                << names.back().toStdString();
        }
    }
    EXPECT_EQ(masks.size(), 10u + 5u + 6u);
    for (std::size_t i = 0; i < masks.size(); ++i) {
        for (std::size_t j = i + 1; j < masks.size(); ++j) {
            EXPECT_NE(masks[i], masks[j])
                << names[static_cast<qsizetype>(i)].toStdString() << " and "
                << names[static_cast<qsizetype>(j)].toStdString();
        }
    }
}

}  // namespace
