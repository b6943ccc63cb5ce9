#include "view/dump_printer.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "support/view_image.h"

using orvel::MarkColor;
using orvel::Offset;
using orvel::test::ShowsColour;

namespace {

// Pages drawn on an image of 900 x (300 + 5 lines): five lines a page.
class DumpPagesTest : public ::testing::Test {
  protected:
    DumpPagesTest() : bytes_(100), dump_(bytes_), lines_(Font(), &page_) {
        for (Offset i = 0; i < bytes_.size(); ++i)
            bytes_[i] = 0x41;
        page_ = QImage(900, 300 + 5 * lines_.lineHeight(), QImage::Format_RGB32);
    }

    static QFont Font() {
        QFont font(QStringLiteral("Courier"));
        font.setPointSize(10);
        return font;
    }

    QImage Page(Offset number) {
        page_.fill(Qt::white);
        const DumpPages pages(dump_, marks_, Font(), page_, page_.rect());
        EXPECT_EQ(pages.pageCount(), 2);  // the header, the empty line, 7 data lines
        QPainter painter(&page_);
        pages.Paint(painter, number);
        return page_;
    }

    // The cells of columns [column, column + count) of the page's line `row`.
    QRect Cells(int row, int column, int count = 1) const {
        const orvel::CellGrid grid = lines_.Grid(0);
        return {grid.ColumnX(column), grid.LineY(row), count * grid.cellWidth, grid.lineHeight};
    }

    orvel::ByteBuffer bytes_;
    orvel::DumpText dump_;
    orvel::MarkStore marks_;
    QImage page_{1, 1, QImage::Format_RGB32};  // resized once the line height is known
    DumpLinePainter lines_;
};

TEST_F(DumpPagesTest, APageShowsTheMarksAndTheHeaderUnderlineAsTheViewDoes) {
    marks_.Paint(16 + 2, 16 + 3, MarkColor::kRed);   // data line 1, bytes 2 and 3
    marks_.Paint(48 + 1, 48 + 1, MarkColor::kBlue);  // data line 3, on page 2
    const QImage first = Page(1);
    // Row 3 is data line 1: bytes 2 and 3 (columns 15 to 19) in red, their
    // character cells too; byte 1 and byte 4 stay black.
    EXPECT_TRUE(ShowsColour(first, Cells(3, 15, 2), Qt::white, Qt::red));
    EXPECT_TRUE(ShowsColour(first, Cells(3, 18, 2), Qt::white, Qt::red));
    EXPECT_TRUE(ShowsColour(first, Cells(3, 62, 2), Qt::white, Qt::red));
    EXPECT_FALSE(ShowsColour(first, Cells(3, 12, 2), Qt::white, Qt::red));
    EXPECT_FALSE(ShowsColour(first, Cells(3, 21, 2), Qt::white, Qt::red));
    EXPECT_TRUE(ShowsColour(first, Cells(3, 12, 2), Qt::white, Qt::black));
    // The header's labels are underlined, the spaces between them are not.
    const int baseline = QFontMetrics(Font()).ascent();
    for (int column = 0; column < 76; ++column) {
        EXPECT_EQ(orvel::test::Underlined(first, Cells(0, column), baseline),
                  orvel::IsHeaderLabelColumn(column))
            << column;
    }
    // The second page begins with data line 3.
    const QImage second = Page(2);
    EXPECT_TRUE(ShowsColour(second, Cells(0, 12, 2), Qt::white, Qt::blue));
    EXPECT_TRUE(ShowsColour(second, Cells(0, 61), Qt::white, Qt::blue));
    EXPECT_FALSE(ShowsColour(second, Cells(1, 0, 76), Qt::white, Qt::blue));
}

}  // namespace
