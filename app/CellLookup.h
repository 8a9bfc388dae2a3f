#pragma once
// A cell named as its sheet prints it: the heading of its column and the label
// of its row ("Rx freq", "1-3"). Headings ignore letter case, and a line break
// in a heading may be given as a blank (or as the two characters \n, as the
// command line prints it), and a hyphen ending a heading's line joins the
// next line with or without a blank ("Com- pander", "Com-pander"); row labels ignore letter case
// and blanks, so that "1-3" names the row printed "1-  3".

#include <functional>
#include <string>
#include <vector>

#include "cuiSheet.h"

enum class cuiCellNameResult { Found, Unknown, Ambiguous };

struct cuiCellLookup {
    cuiCellNameResult result = cuiCellNameResult::Unknown;
    cuiCellPos pos;       // Found: the cell
    std::string message;  // not Found: one message for the user
};

// The grid as the lookup sees it: its size, its fixed rows (headings) and
// fixed columns (row labels), a cell's display text and whether the cursor
// can stand on a cell.
struct cuiCellGrid {
    int rows = 0;
    int columns = 0;
    int fixedRows = 0;
    int fixedCols = 0;
    std::function<std::string(int row, int col)> text;
    std::function<bool(int row, int col)> selectable;
};

namespace CellLookup {

// The cell in the column whose heading (a text in one of the fixed rows) is
// heading and the row whose label (a text in one of the fixed columns) is row.
// Where a heading or label fits several, the one cell among them the cursor
// can stand on is taken (a group's label row above its setting of the same
// name); two or more such cells make the name ambiguous.
cuiCellLookup FindCellByHeading(const cuiCellGrid& grid, const std::string& heading,
                                const std::string& row);

}  // namespace CellLookup
