// Grid edges from cell sizes, and the cell under a coordinate.
#include <gtest/gtest.h>

#include "GridMeasure.h"

TEST(GridMeasureTest, EdgesAreRunningTotalsAndFindTheirCell) {
    EXPECT_EQ(GridMeasure::GridEdges({}), std::vector<int>({0}));
    const std::vector<int> edges = GridMeasure::GridEdges({5, 1, 10});
    EXPECT_EQ(edges, std::vector<int>({0, 5, 6, 16}));
    const struct {
        int v;
        int cell;
    } cases[] = {{-1, -1}, {0, 0}, {4, 0}, {5, 1}, {6, 2}, {15, 2}, {16, -1}, {100, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(GridMeasure::GridIndexAt(edges, c.v), c.cell) << "at " << c.v;
    }
    EXPECT_EQ(GridMeasure::GridIndexAt(GridMeasure::GridEdges({}), 0), -1);
}
