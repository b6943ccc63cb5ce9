#pragma once

namespace orvel {

// The pixel grid the dump is drawn and hit-tested on. Every character cell is
// a whole number of pixels wide, so a column's x never depends on how a font
// advances the glyphs before it: glyphs, caret, selection, marks, the header
// underline and the mouse all meet at the same x.
struct CellGrid {
    int left = 0;        // x of column 0 (negative when scrolled sideways)
    int cellWidth = 1;   // above 0
    int lineHeight = 1;  // above 0; line 0 starts at y = 0

    // The narrowest whole cell that holds a glyph advancing `advance` pixels.
    // An advance a rounding error above a whole number does not widen it.
    [[nodiscard]] static int CellWidthFor(double advance);

    [[nodiscard]] int ColumnX(int column) const { return left + column * cellWidth; }
    [[nodiscard]] int LineY(int line) const { return line * lineHeight; }
    // The column whose cell holds x (negative left of column 0).
    [[nodiscard]] int ColumnAt(int x) const;
    // The column that begins at the cell boundary nearest x.
    [[nodiscard]] int BoundaryNear(int x) const;
    // The line holding y (negative above line 0).
    [[nodiscard]] int LineAt(int y) const;
};

}  // namespace orvel
