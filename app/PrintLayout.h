#pragma once
// The arithmetic of printed sheets, free of any window system: the page
// rectangle from the overlay's margins, the frame drawn round every page, the
// division of a sheet's grid into column groups and row groups, the pages in
// printing order, and the smaller font for a page whose part does not fit.
// All lengths are printer pixels.

#include <string>
#include <vector>

class cmcGTex;

struct cuiPrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const cuiPrintRect&) const = default;
};

// What the overlay says about printing.
struct cuiPrintTexts {
    double margins[4] = {};  // left, top, right, bottom in millimetres
    int fontPoints = 9;      // the sheets' font
    int framePoints = 8;     // the frame's heading and footer
    std::string titleRev;    // right of the heading
    std::string maker;       // the footer
};

// The frame of a page: heading and title above a bar, the maker's line
// below a bar, and the printable rectangle left between them.
struct cuiFrame {
    int h = 0;            // the frame font's height
    int a = 0;            // bar thickness, and a fifth of the gap after a bar
    cuiPrintRect topBar;  // the bar under the heading
    cuiPrintRect bottomBar;
    int footerTop = 0;
    cuiPrintRect inner;  // what the sheet may fill
};

// One page: the first non-fixed column and row and how many of each.
struct cuiPrintPage {
    int firstCol = 0;
    int cols = 0;
    int firstRow = 0;
    int rows = 0;
    bool operator==(const cuiPrintPage&) const = default;
};

// The width and height a page's part covers: fixed and grouped columns and rows.
struct cuiPartSize {
    int width = 0;
    int height = 0;
};

namespace PrintLayout {

cuiPrintTexts ReadPrintTexts(cmcGTex& texts);

// The page inside the margins; the vertical resolution serves all four sides.
cuiPrintRect PageRect(int pageWidth, int pageHeight, int dpi, const double margins[4]);
// The pixel height of a font of points at dpi, rounded.
int FontPixels(int points, int dpi);
cuiFrame FrameLayout(const cuiPrintRect& page, int fontHeight);

// Column groups: the number of non-fixed columns on each page across. The
// fixed columns are on every page; a column whose noBreak is set (a "+" in a
// fixed row) never begins a group.
std::vector<int> ColumnGroups(const std::vector<int>& widths, int fixedCols,
                              const std::vector<bool>& noBreak, int printableWidth);
// Row groups: the number of non-fixed rows on each page down.
std::vector<int> RowGroups(const std::vector<int>& heights, int fixedRows, int printableHeight);
// Row group by row group, the column groups inside each.
std::vector<cuiPrintPage> PrintPages(const std::vector<int>& colGroups,
                                     const std::vector<int>& rowGroups, int fixedCols,
                                     int fixedRows);
cuiPartSize PartSize(const std::vector<int>& widths, const std::vector<int>& heights, int fixedCols,
                     int fixedRows, const cuiPrintPage& page);

// A part that does not fit is rebuilt at most this often with a smaller font.
constexpr int MaxShrinks = 3;
bool PartFits(const cuiPartSize& part, const cuiPrintRect& printable);
// The font height scaled by the measured overflow (each side counts as at
// least one pixel), truncated, at least 1.
int ShrunkFontHeight(int fontHeight, const cuiPartSize& part, const cuiPrintRect& printable);

}  // namespace PrintLayout
