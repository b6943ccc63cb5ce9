#include "view/cell_grid.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

// Division rounding towards minus infinity, so that a pixel left of or above
// the grid's origin falls in the cell before it.
int FloorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

}  // namespace

int CellGrid::CellWidthFor(double advance) {
    constexpr double kRoundingError = 1.0 / 64;  // font metrics come in 26.6 fixed point
    return std::max(1, static_cast<int>(std::ceil(advance - kRoundingError)));
}

int CellGrid::ColumnAt(int x) const {
    return FloorDiv(x - left, cellWidth);
}

int CellGrid::BoundaryNear(int x) const {
    return FloorDiv(x - left + cellWidth / 2, cellWidth);
}

int CellGrid::LineAt(int y) const {
    return FloorDiv(y, lineHeight);
}

}  // namespace orvel
