#pragma once
// The differences between two images as the user sees them: every cell of
// every sheet of the tree whose text differs, and the changed bytes that no
// cell shows, summarised by address range.

#include <string>
#include <vector>

class indDocumentContext;

struct indCellDifference {
    std::string sheet;   // the sheet's tree caption
    std::string row;     // "bank-position" of a channel, else "row N" (grid row)
    std::string column;  // the column heading (and the row's label on settings sheets)
    std::string before;  // display texts in the first and the second image
    std::string after;
    std::string reference;  // where the cell is: sheet reference and grid position
    int gridRow = 0;
    int gridCol = 0;
};

struct indByteDifference {
    int first;
    int last;
};

struct indImageDiff {
    std::vector<indCellDifference> cells;
    std::vector<indByteDifference> bytes;  // changed bytes no cell shows
    bool Equal() const { return cells.empty() && bytes.empty(); }
};

// Compares the working images of the two contexts on the sheets of a's model type.
indImageDiff DiffImages(indDocumentContext& a, indDocumentContext& b);
