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

cuiGridSizes MeasureGrid(cuiCellPainter& painter, cuiSheet& sheet);
