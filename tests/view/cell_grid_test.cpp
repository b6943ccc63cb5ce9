#include "view/cell_grid.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(CellGridTest, CellWidthHoldsTheWholeAdvance) {
    EXPECT_EQ(CellGrid::CellWidthFor(7.796875), 8);  // Nimbus Mono PS at 10 pt
    EXPECT_EQ(CellGrid::CellWidthFor(7.21875), 8);   // DejaVu Sans Mono at 9 pt
    EXPECT_EQ(CellGrid::CellWidthFor(9.0), 9);
    EXPECT_EQ(CellGrid::CellWidthFor(9.0 + 1.0 / 128), 9);  // a rounding error
    EXPECT_EQ(CellGrid::CellWidthFor(9.1), 10);
    EXPECT_EQ(CellGrid::CellWidthFor(0.0), 1);
}

// Scrolled sideways by two columns: column 0 starts at 2 - 16 = -14.
TEST(CellGridTest, PixelsMapToTheCellThatHoldsThemOrTheNearestBoundary) {
    const CellGrid grid{-14, 8, 16};
    EXPECT_EQ(grid.ColumnX(2), 2);
    EXPECT_EQ(grid.LineY(3), 48);
    struct Row {
        int x;
        int cell;
        int boundary;
    };
    const Row rows[] = {{2, 2, 2},     {5, 2, 2},     {6, 2, 3},    {9, 2, 3},
                        {10, 3, 3},    {-14, 0, 0},   {-15, -1, 0}, {-18, -1, 0},
                        {-19, -1, -1}, {-22, -1, -1}, {-23, -2, -1}};
    for (const Row& row : rows) {
        EXPECT_EQ(grid.ColumnAt(row.x), row.cell) << row.x;
        EXPECT_EQ(grid.BoundaryNear(row.x), row.boundary) << row.x;
    }
    EXPECT_EQ(grid.LineAt(0), 0);
    EXPECT_EQ(grid.LineAt(15), 0);
    EXPECT_EQ(grid.LineAt(16), 1);
    EXPECT_EQ(grid.LineAt(-1), -1);
    EXPECT_EQ(grid.LineAt(-16), -1);
    EXPECT_EQ(grid.LineAt(-17), -2);
}

}  // namespace
}  // namespace orvel
