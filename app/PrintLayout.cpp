#include "PrintLayout.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <sstream>

#include "cmcGTex.h"

namespace PrintLayout {

namespace {

constexpr double MmPerInchInverse = 0.03937007874015748;

int Number(const std::string& text, int fallback) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() && value > 0 ? static_cast<int>(value) : fallback;
}

// Greedy groups: items are added while the running total (fixed part
// included) stays within the limit; a group holds at least one item and an
// item marked noBreak stays with the one before it.
std::vector<int> Groups(const std::vector<int>& sizes, int fixed, const std::vector<bool>& noBreak,
                        int limit) {
    const int count = static_cast<int>(sizes.size());
    const int fixedSize = std::accumulate(sizes.begin(), sizes.begin() + std::min(fixed, count), 0);
    std::vector<int> groups;
    int used = fixedSize;
    int inGroup = 0;
    for (int i = fixed; i < count; ++i) {
        const bool mayBreak =
            i >= static_cast<int>(noBreak.size()) || !noBreak[static_cast<size_t>(i)];
        if (inGroup > 0 && mayBreak && used + sizes[static_cast<size_t>(i)] > limit) {
            groups.push_back(inGroup);
            used = fixedSize;
            inGroup = 0;
        }
        used += sizes[static_cast<size_t>(i)];
        ++inGroup;
    }
    if (inGroup > 0) {
        groups.push_back(inGroup);
    }
    return groups;
}

}  // namespace

cuiPrintTexts ReadPrintTexts(cmcGTex& texts) {
    cuiPrintTexts out;
    std::istringstream margins(texts.GetText("GI_Sys_Printer_Margins", 0));
    std::string field;
    for (double& m : out.margins) {
        if (!std::getline(margins, field, ',')) {
            break;
        }
        m = std::max(0.0, std::strtod(field.c_str(), nullptr));
    }
    out.fontPoints = Number(texts.GetText("GI_Sys_Printer_FontPoints", 0), out.fontPoints);
    out.framePoints = Number(texts.GetText("GI_Sys_Printer_FrameFont", 0), out.framePoints);
    out.titleRev = texts.GetText("GI_Sys_AppTitleRev", 0);
    out.maker = texts.GetText("GI_Sys_Maker", 0);
    return out;
}

cuiPrintRect PageRect(int pageWidth, int pageHeight, int dpi, const double margins[4]) {
    const auto px = [dpi](double mm) { return static_cast<int>(mm * dpi * MmPerInchInverse); };
    return {px(margins[0]), px(margins[1]), pageWidth - px(margins[2]),
            pageHeight - px(margins[3])};
}

int FontPixels(int points, int dpi) {
    return (points * dpi + 36) / 72;
}

cuiFrame FrameLayout(const cuiPrintRect& page, int fontHeight) {
    cuiFrame f;
    f.h = std::abs(fontHeight);
    f.a = static_cast<int>(f.h * 0.1 + 1);
    cuiPrintRect r = page;
    r.top += f.h + f.a;
    f.topBar = {r.left, r.top, r.right, r.top + f.a};
    r.top += 5 * f.a;
    f.footerTop = r.bottom - f.h - 1;
    r.bottom -= f.h + f.a;
    f.bottomBar = {r.left, r.bottom - f.a, r.right, r.bottom};
    r.bottom -= 5 * f.a;
    f.inner = r;
    return f;
}

std::vector<int> ColumnGroups(const std::vector<int>& widths, int fixedCols,
                              const std::vector<bool>& noBreak, int printableWidth) {
    return Groups(widths, fixedCols, noBreak, printableWidth);
}

std::vector<int> RowGroups(const std::vector<int>& heights, int fixedRows, int printableHeight) {
    return Groups(heights, fixedRows, {}, printableHeight);
}

std::vector<cuiPrintPage> PrintPages(const std::vector<int>& colGroups,
                                     const std::vector<int>& rowGroups, int fixedCols,
                                     int fixedRows) {
    std::vector<cuiPrintPage> pages;
    int row = fixedRows;
    for (int rows : rowGroups) {
        int col = fixedCols;
        for (int cols : colGroups) {
            pages.push_back({col, cols, row, rows});
            col += cols;
        }
        row += rows;
    }
    return pages;
}

cuiPartSize PartSize(const std::vector<int>& widths, const std::vector<int>& heights, int fixedCols,
                     int fixedRows, const cuiPrintPage& page) {
    const auto sum = [](const std::vector<int>& v, int fixed, int first, int count) {
        int total = 0;
        for (int i = 0; i < static_cast<int>(v.size()); ++i) {
            if (i < fixed || (i >= first && i < first + count)) {
                total += v[static_cast<size_t>(i)];
            }
        }
        return total;
    };
    return {sum(widths, fixedCols, page.firstCol, page.cols),
            sum(heights, fixedRows, page.firstRow, page.rows)};
}

bool PartFits(const cuiPartSize& part, const cuiPrintRect& printable) {
    return printable.left + std::max(1, part.width) <= printable.right &&
           printable.top + std::max(1, part.height) <= printable.bottom;
}

int ShrunkFontHeight(int fontHeight, const cuiPartSize& part, const cuiPrintRect& printable) {
    const double scale =
        std::min(static_cast<double>(printable.Height()) / std::max(1, part.height),
                 static_cast<double>(printable.Width()) / std::max(1, part.width));
    return std::max(1, static_cast<int>(std::abs(fontHeight) * scale));
}

}  // namespace PrintLayout
