#include "view/dump_line_painter.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

#include "view/color_table.h"

namespace {

QColor MarkQColor(orvel::MarkColor color) {
    const orvel::Rgb rgb = orvel::MarkColorRgb(color);
    return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace

DumpLinePainter::DumpLinePainter(const QFont& font, const QPaintDevice* device) {
    const QFont onDevice = device != nullptr ? QFont(font, device) : font;
    font_ = QRawFont::fromFont(onDevice);
    QString ascii(static_cast<int>(glyphs_.size()), QChar(' '));
    for (int c = 0x20; c < 0x7F; ++c)
        ascii[c] = QChar(c);
    const QList<quint32> indexes = font_.glyphIndexesForString(ascii);
    std::copy_n(indexes.begin(), std::min<qsizetype>(indexes.size(), glyphs_.size()),
                glyphs_.begin());

    const QFontMetricsF exact(onDevice);
    const QFontMetrics metrics(onDevice);
    cellWidth_ = orvel::CellGrid::CellWidthFor(exact.horizontalAdvance(QLatin1Char('0')));
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    underlineOffset_ = std::max(1, metrics.underlinePos());
    underlineWidth_ = std::max(1, metrics.lineWidth());
}

void DumpLinePainter::Draw(QPainter& painter, int left, int top, const orvel::StyledLine& line,
                           const Colors& colors) const {
    const orvel::CellGrid grid = Grid(left);
    const int baseline = top + ascent_;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const orvel::StyledRun& run : line.runs) {
        const int x = grid.ColumnX(run.begin);
        const int width = (run.end - run.begin) * cellWidth_;
        if (run.style.selected)
            painter.fillRect(x, top, width, lineHeight_, colors.highlight);
        const QColor ink = run.style.color != orvel::MarkColor::kBlack
                               ? MarkQColor(run.style.color)
                               : (run.style.selected ? colors.selectedText : colors.text);
        glyphs.clear();
        positions.clear();
        for (int column = run.begin; column < run.end; ++column) {
            const auto ch = static_cast<unsigned char>(line.text[column]);
            if (ch == ' ')
                continue;
            glyphs.push_back(glyphs_[ch < glyphs_.size() ? ch : '.']);
            positions.push_back(QPointF((column - run.begin) * cellWidth_, 0));
        }
        if (!glyphs.isEmpty()) {
            QGlyphRun glyphRun;
            glyphRun.setRawFont(font_);
            glyphRun.setGlyphIndexes(glyphs);
            glyphRun.setPositions(positions);
            painter.setPen(ink);
            painter.drawGlyphRun(QPointF(x, baseline), glyphRun);
        }
        if (run.style.underline)
            painter.fillRect(x, baseline + underlineOffset_, width, underlineWidth_, ink);
    }
    if (line.breakSelected) {
        painter.fillRect(grid.ColumnX(static_cast<int>(line.text.size())), top, cellWidth_,
                         lineHeight_, colors.highlight);
    }
}
