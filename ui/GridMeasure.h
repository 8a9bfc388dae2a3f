#pragma once
// Column widths and row heights of a sheet's grid: only cells marked W widen
// their column and cells marked H heighten their row; a row repeating the row
// above takes its height; a column or row without such a cell is 1 pixel.
// The sheet pane and the printed page measure with it.

#include <vector>

class cuiCellPainter;
class cuiSheet;

struct cuiGridSizes {
    std::vector<int> widths;
    std::vector<int> heights;
};

namespace GridMeasure {

cuiGridSizes MeasureGrid(cuiCellPainter& painter, cuiSheet& sheet);

// The edges of a run of cells of the given sizes: 0, then each cell's far
// edge, the last being the total.
std::vector<int> GridEdges(const std::vector<int>& sizes);
// The cell of edges whose span [edges[i], edges[i + 1]) holds v, or -1 outside.
int GridIndexAt(const std::vector<int>& edges, int v);

}  // namespace GridMeasure
