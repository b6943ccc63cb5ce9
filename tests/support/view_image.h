#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

#include "document/offset.h"

class COrvelView;
class QWidget;

namespace orvel::test {

// What the window system shows of `widget` right now: read from its window's
// backing store, so nothing is repainted for the picture.
[[nodiscard]] QImage ShownImage(const QWidget* widget);
// The view's viewport painted afresh.
[[nodiscard]] QImage RenderedImage(COrvelView* view);

// The viewport rectangle of the character cells of text position `pos`.
[[nodiscard]] QRect CellRect(const COrvelView* view, Offset pos, int cells = 1);

// How far a pixel is from `background` towards `ink`: 0 the background, 1 the ink colour.
[[nodiscard]] double InkCoverage(QRgb pixel, QColor background, QColor ink);
// True when some pixel of `area` is mostly `colour` over `background`.
[[nodiscard]] bool ShowsColour(const QImage& image, QRect area, QColor background, QColor colour);

// True when some row of `cell` below `baseline` is dark all across the cell.
[[nodiscard]] bool Underlined(const QImage& image, QRect cell, int baseline);

// The x ranges [first, last] of the ink (pixels that differ clearly from
// `background`) in the rows of `band`, merging ranges whose gap is below `mergeGap`.
struct InkSpan {
    int first;
    int last;
    [[nodiscard]] int centre() const { return (first + last) / 2; }
};
[[nodiscard]] std::vector<InkSpan> InkSpans(const QImage& image, QRect band, QColor background,
                                            int mergeGap);

}  // namespace orvel::test
