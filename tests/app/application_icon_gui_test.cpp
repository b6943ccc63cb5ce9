// The program's icon fills every size the desktop's icon theme asks for.
#include "app/app_icons.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(ApplicationIconTest, FillsEverySizeUpToItsEdges) {
    for (const int size : kApplicationIconSizes) {
        const QImage image = ApplicationIconImage(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        // A page with rounded corners: the corners stay clear, the middle and
        // the page's edges near the far side are drawn.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
        EXPECT_GT(qAlpha(image.pixel(size / 2, size - 1 - size / 32)), 0) << size;
        EXPECT_GT(qAlpha(image.pixel(size - 1 - 3 * size / 32, size / 2)), 0) << size;
    }
}

TEST(ApplicationIconTest, TheWindowIconHoldsEverySize) {
    const QList<QSize> sizes = ApplicationIcon().availableSizes();
    for (const int size : kApplicationIconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

}  // namespace
