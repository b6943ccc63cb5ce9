// The hex view's cell geometry against what it actually draws: rendered
// offscreen with fonts whose advance is fractional, every glyph must stand in
// its own cell, and the mouse must find the glyphs where they are drawn.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <cmath>

#include "support/gui_fixture.h"
#include "support/view_image.h"
#include "view/styled_line.h"

using orvel::MarkColor;
using orvel::Offset;
using orvel::test::InkCoverage;
using orvel::test::InkSpan;

namespace {

// Fractional advances at these sizes: Nimbus Mono PS (what "Courier" gives on
// Debian) 7.8 px at 10 pt, DejaVu Sans Mono 7.2 px at 9 pt; Noto Mono 9 px at 11 pt.
struct FontCase {
    const char* family;
    int points;
};
constexpr FontCase kFonts[] = {{"Nimbus Mono PS", 10}, {"DejaVu Sans Mono", 9}, {"Noto Mono", 11}};

// Bytes "0123456789ABCDEF" on every line, so the character column repeats the
// header's label.
std::vector<std::uint8_t> LabelLines(int lines) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 16 * lines; ++i)
        bytes.push_back(static_cast<std::uint8_t>("0123456789ABCDEF"[i % 16]));
    return bytes;
}

// The rows of the viewport that text line `textLine` is drawn in.
QRect LineBand(const COrvelView* view, Offset textLine) {
    return {0, view->PositionToPoint(view->dump().LineStart(textLine)).y(),
            view->viewport()->width(), view->lineHeight()};
}

class ViewGeometryTest : public GuiTest {
  protected:
    COrvelView* Open(const std::vector<std::uint8_t>& bytes) {
        const std::string path = dir_.File("cells.bin");
        orvel::test::WriteFileBytes(path, bytes);
        CChildFrame* child = OpenFile(path);
        return child != nullptr ? child->view() : nullptr;
    }

    // Runs `check` with each font of kFonts that is installed set on the
    // view; fails unless one of them had a fractional advance.
    template <class Check>
    void ForEachFont(COrvelView* view, Check check) {
        bool fractional = false;
        for (const FontCase& each : kFonts) {
            QFont font(QString::fromLatin1(each.family));
            font.setPointSize(each.points);
            if (!QFontInfo(font).family().startsWith(QString::fromLatin1(each.family)))
                continue;
            SCOPED_TRACE(std::string(each.family) + " " + std::to_string(each.points) + " pt");
            view->setFont(font);
            const double advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
            fractional = fractional || advance != std::floor(advance);
            ASSERT_GE(view->charWidth(), advance - 0.02);
            // The whole line is in view once the window is laid out.
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return view->horizontalScrollBar()->maximum() == 0; }, 5000))
                << view->viewport()->width();
            check();
        }
        EXPECT_TRUE(fractional) << "no font with a fractional advance is installed";
    }

    // The ink of text line `textLine` as it must look: each glyph drawn alone,
    // black on white, at its cell's x.
    static QImage IdealLine(const COrvelView* view, Offset textLine) {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(view->font());
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(view->font()).ascent();
        const std::string text = view->dump().LineText(textLine);
        const Offset start = view->dump().LineStart(textLine);
        for (int column = 0; column < static_cast<int>(text.size()); ++column) {
            if (text[column] == ' ')
                continue;
            const QPoint at = view->PositionToPoint(start + column);
            painter.drawText(at.x(), at.y() + ascent, QString(QLatin1Char(text[column])));
        }
        return image;
    }

    // Compares the glyph bodies (down to the baseline) of a rendered line with
    // the ideal line, cell by cell; `colors` gives each column's background
    // and ink. Returns the columns whose ink is not where it belongs.
    static std::vector<int> MisplacedCells(
        const COrvelView* view, const QImage& rendered, Offset textLine,
        const std::function<std::pair<QColor, QColor>(int)>& colors) {
        const QImage ideal = IdealLine(view, textLine);
        const int ascent = QFontMetrics(view->font()).ascent();
        const Offset start = view->dump().LineStart(textLine);
        std::vector<int> misplaced;
        for (int column = 0; column < view->dump().LineLength(textLine); ++column) {
            const QRect cell = orvel::test::CellRect(view, start + column);
            const auto [background, ink] = colors(column);
            int wrong = 0;
            for (int y = cell.top(); y <= cell.top() + ascent; ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const bool want = qGray(ideal.pixel(x, y)) < 128;
                    const bool have = InkCoverage(rendered.pixel(x, y), background, ink) > 0.5;
                    wrong += want != have ? 1 : 0;
                }
            }
            if (wrong > 1)
                misplaced.push_back(column);
        }
        return misplaced;
    }
};

// The header, a plain line, a line with marks and a line whose selection ends
// in mid-line: each glyph's ink lies in its own cell, the marks' colours and
// the selection fill exactly their cells, and the header's underline runs
// under the labels only.
TEST_F(ViewGeometryTest, EveryGlyphIsDrawnInItsOwnCell) {
    COrvelView* view = Open(LabelLines(4));
    ASSERT_NE(view, nullptr);
    view->marks().Paint(16 + 3, 16 + 9, MarkColor::kRed);
    view->marks().Paint(16 + 12, 16 + 13, MarkColor::kBlue);
    const orvel::DumpLayout layout = view->layout();
    const orvel::TextSelection selected{layout.LineColToTextPos(2, 16),
                                        layout.LineColToTextPos(2, 66)};
    view->SetSelection(selected);
    view->clearFocus();  // no caret in the picture
    const QPalette palette = view->palette();
    const QColor base = palette.base().color();
    const Offset header = view->dump().HeaderTextLine();
    const Offset first = view->dump().FirstDataTextLine();
    ForEachFont(view, [&] {
        const QImage image = orvel::test::RenderedImage(view);
        const auto plain = [&](int) { return std::pair{base, palette.text().color()}; };
        EXPECT_EQ(MisplacedCells(view, image, header, plain), std::vector<int>{});
        EXPECT_EQ(MisplacedCells(view, image, first, plain), std::vector<int>{});
        const auto marked = [&](int column) {
            const Offset byte = orvel::DumpLayout::ByteAt({1, column});
            const MarkColor mark = column >= orvel::kCharColumn
                                       ? view->marks().ColorAt(16 + column - orvel::kCharColumn)
                                   : byte >= 0 ? view->marks().ColorAt(byte)
                                               : MarkColor::kBlack;
            const QColor ink = mark == MarkColor::kRed    ? QColor(Qt::red)
                               : mark == MarkColor::kBlue ? QColor(Qt::blue)
                                                          : palette.text().color();
            return std::pair{base, ink};
        };
        EXPECT_EQ(MisplacedCells(view, image, first + 1, marked), std::vector<int>{});
        const auto inSelection = [&](int column) { return column >= 16 && column < 66; };
        const auto chosen = [&](int column) {
            return inSelection(column)
                       ? std::pair{palette.highlight().color(), palette.highlightedText().color()}
                       : std::pair{base, palette.text().color()};
        };
        EXPECT_EQ(MisplacedCells(view, image, first + 2, chosen), std::vector<int>{});
        // The selection's fill covers exactly its cells.
        for (int column = 0; column < orvel::kLineStride - 1; ++column) {
            const QRect cell = orvel::test::CellRect(view, layout.LineColToTextPos(2, column));
            EXPECT_EQ(QColor(image.pixel(cell.center().x(), cell.top())),
                      inSelection(column) ? palette.highlight().color() : base)
                << column;
        }
        // The underline: a row below the baseline inked all across every
        // label cell, and across no other cell.
        const int baseline = LineBand(view, header).top() + QFontMetrics(view->font()).ascent();
        for (int column = 0; column < orvel::kLineStride - 1; ++column) {
            EXPECT_EQ(orvel::test::Underlined(image, orvel::test::CellRect(view, column), baseline),
                      orvel::IsHeaderLabelColumn(column))
                << column;
        }
    });
}

// Where the digits of data line `dataLine` are drawn, found in the picture:
// the x of the middle of each byte's high and low digit, and the y of the
// line's middle. The line's ink falls into the address, the sixteen digit
// pairs and the character column.
struct DigitInk {
    std::array<int, 16> high{};
    std::array<int, 16> low{};
    int y = 0;
};
bool FindDigits(COrvelView* view, Offset dataLine, DigitInk& digits) {
    view->SetCaret(0);  // nothing selected, the caret on another line
    const QRect band = LineBand(view, view->dump().FirstDataTextLine() + dataLine);
    const std::vector<InkSpan> ink =
        orvel::test::InkSpans(orvel::test::RenderedImage(view), band,
                              view->palette().base().color(), view->charWidth() * 2 / 3);
    EXPECT_EQ(ink.size(), 18u);
    if (ink.size() != 18u)
        return false;
    for (int k = 0; k < 16; ++k) {
        const InkSpan pair = ink[1 + k];
        const int quarter = (pair.last - pair.first + 1) / 4;
        digits.high[k] = pair.first + quarter;
        digits.low[k] = pair.last - quarter;
    }
    digits.y = band.center().y();
    return true;
}

// A click on the middle of a digit's ink puts the caret before that digit,
// so typing replaces that nibble.
TEST_F(ViewGeometryTest, AClickOnADigitsInkPutsTheCaretOnThatDigit) {
    COrvelView* view = Open(LabelLines(2));
    ASSERT_NE(view, nullptr);
    const orvel::DumpLayout layout = view->layout();
    ForEachFont(view, [&] {
        DigitInk ink;
        ASSERT_TRUE(FindDigits(view, 1, ink));
        for (int k = 0; k < 16; ++k) {
            const orvel::HexPos digits = layout.ByteToHexPos(16 + k);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                              {ink.high[k], ink.y});
            EXPECT_EQ(view->selection(), (orvel::TextSelection{digits.high, digits.high})) << k;
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                              {ink.low[k], ink.y});
            EXPECT_EQ(view->selection(), (orvel::TextSelection{digits.low, digits.low})) << k;
        }
        // "46": the low digit of byte 31 becomes 9, the high one stays.
        Type(view, "9");
        EXPECT_EQ(view->data().at(31), 0x49);
        view->data().SetByte(31, 0x46);
    });
}

// A drag from the first byte's ink to the last byte's ink selects all
// sixteen bytes of the line (what Mark Units then offers as its block).
TEST_F(ViewGeometryTest, ADragAcrossALinesInkSelectsAllItsBytes) {
    COrvelView* view = Open(LabelLines(3));
    ASSERT_NE(view, nullptr);
    ForEachFont(view, [&] {
        DigitInk ink;
        ASSERT_TRUE(FindDigits(view, 1, ink));
        const QPoint from(ink.high[0], ink.y);
        const QPoint to(ink.low[15], ink.y);
        QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(view->viewport(), to);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
        EXPECT_EQ(view->layout().GetSelectedBytes(view->selection(), view->data().endMarker()),
                  (orvel::ByteRange{16, 31}));
    });
}

}  // namespace
