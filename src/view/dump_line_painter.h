#pragma once

#include <QColor>
#include <QFont>
#include <QRawFont>
#include <array>

#include "view/cell_grid.h"
#include "view/mark_color.h"
#include "view/styled_line.h"

class QPainter;
class QPaintDevice;

// Draws styled dump lines on a cell grid, for the view and the printer alike.
// Each glyph stands at exactly its column's x, whatever the font's own
// (often fractional) advance, so what is drawn lines up with the caret, the
// selection and the mouse. A run of equal style is drawn with one call.
class DumpLinePainter {
  public:
    // The colours of plain and selected text, and how marks show: as the
    // colour of the text, or as a tint of it behind black text (a selected
    // cell keeps the highlight and shows its mark as the text colour).
    struct Colors {
        QColor text;
        QColor selectedText;
        QColor highlight;
        orvel::MarkDisplay marks = orvel::MarkDisplay::kText;
    };

    // For `font` as drawn on `device` (the screen when null).
    explicit DumpLinePainter(const QFont& font, const QPaintDevice* device = nullptr);

    [[nodiscard]] int cellWidth() const { return cellWidth_; }
    [[nodiscard]] int lineHeight() const { return lineHeight_; }
    // The grid of lines whose column 0 starts at x `left`.
    [[nodiscard]] orvel::CellGrid Grid(int left) const { return {left, cellWidth_, lineHeight_}; }

    // Draws `line` with the top-left corner of its column 0 at (left, top).
    void Draw(QPainter& painter, int left, int top, const orvel::StyledLine& line,
              const Colors& colors) const;

  private:
    QRawFont font_;
    std::array<quint32, 128> glyphs_{};  // the glyph of each ASCII character
    int cellWidth_ = 1;
    int lineHeight_ = 1;
    int ascent_ = 0;
    int underlineOffset_ = 1;  // below the baseline
    int underlineWidth_ = 1;
};
