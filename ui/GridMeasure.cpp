#include "GridMeasure.h"

#include <algorithm>
#include <numeric>

#include "cuiCellPainter.h"
#include "cuiSheet.h"

namespace GridMeasure {

cuiGridSizes MeasureGrid(cuiCellPainter& painter, cuiSheet& sheet) {
    constexpr int MinCell = 1;
    const int rows = sheet.Rows();
    const int cols = sheet.Columns();
    cuiGridSizes sizes{std::vector<int>(static_cast<size_t>(cols), MinCell),
                       std::vector<int>(static_cast<size_t>(rows), MinCell)};
    for (int r = 0; r < rows; ++r) {
        auto& h = sizes.heights[static_cast<size_t>(r)];
        const bool repeats = r > 0 && sheet.RowRepeatsAbove(r);
        if (repeats) {
            h = sizes.heights[static_cast<size_t>(r) - 1];
        }
        for (int c = 0; c < cols; ++c) {
            const uint8_t layout = sheet.Cell(r, c).layoutFlags;
            if ((layout & (kLayoutWiden | kLayoutGrow)) == 0 || repeats) {
                continue;
            }
            const QSize size = painter.Measure(sheet, r, c);
            if ((layout & kLayoutWiden) != 0) {
                auto& w = sizes.widths[static_cast<size_t>(c)];
                w = std::max(w, size.width());
            }
            if ((layout & kLayoutGrow) != 0) {
                h = std::max(h, size.height());
            }
        }
    }
    return sizes;
}

std::vector<int> GridEdges(const std::vector<int>& sizes) {
    std::vector<int> edges(sizes.size() + 1, 0);
    std::partial_sum(sizes.begin(), sizes.end(), edges.begin() + 1);
    return edges;
}

int GridIndexAt(const std::vector<int>& edges, int v) {
    const int i =
        static_cast<int>(std::upper_bound(edges.begin(), edges.end(), v) - edges.begin()) - 1;
    return i >= 0 && i + 1 < static_cast<int>(edges.size()) ? i : -1;
}

}  // namespace GridMeasure
