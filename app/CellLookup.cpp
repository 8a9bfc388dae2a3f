#include "CellLookup.h"

#include <cctype>

#include "Excerpt.h"

namespace CellLookup {

namespace {

// Lower case with every run of blanks, line breaks and written "\n" as one blank,
// trimmed; none after a hyphen, so that "Com-\npander" is "com-pander".
std::string FoldedHeading(const std::string& text) {
    std::string out;
    bool blank = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            blank = true;
            ++i;
        } else if (std::isspace(ch) != 0) {
            blank = true;
        } else {
            if (blank && !out.empty() && out.back() != '-') {
                out.push_back(' ');
            }
            blank = false;
            out.push_back(static_cast<char>(std::tolower(ch)));
        }
    }
    return out;
}

// Lower case without blanks.
std::string FoldedLabel(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        if (std::isspace(static_cast<unsigned char>(ch)) == 0) {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
        }
    }
    return out;
}

// The columns (from..to) or rows whose fixed cells fold to want; each listed once.
std::vector<int> Matching(int from, int to, int fixedFrom, int fixedTo,
                          const std::function<std::string(int line, int fixed)>& text,
                          const std::string& want, std::string (*fold)(const std::string&)) {
    std::vector<int> found;
    for (int line = from; line < to; ++line) {
        for (int fixed = fixedFrom; fixed < fixedTo; ++fixed) {
            if (fold(text(line, fixed)) == want) {
                found.push_back(line);
                break;
            }
        }
    }
    return found;
}

std::string Listed(const std::vector<int>& lines, const char* what) {
    std::string list;
    for (const int line : lines) {
        list += (list.empty() ? "" : ", ") + std::string(what) + " " + std::to_string(line);
    }
    return list;
}

// The cells where the rows and columns cross; of several, those the cursor can stand on.
std::vector<cuiCellPos> Candidates(const cuiCellGrid& grid, const std::vector<int>& rows,
                                   const std::vector<int>& cols) {
    std::vector<cuiCellPos> all, selectable;
    for (const int r : rows) {
        for (const int c : cols) {
            all.push_back({r, c});
            if (grid.selectable && grid.selectable(r, c)) {
                selectable.push_back({r, c});
            }
        }
    }
    return all.size() > 1 && !selectable.empty() ? selectable : all;
}

}  // namespace

cuiCellLookup FindCellByHeading(const cuiCellGrid& grid, const std::string& heading,
                                const std::string& row) {
    cuiCellLookup lookup;
    const std::string wantHeading = FoldedHeading(heading);
    const std::string wantRow = FoldedLabel(row);
    const auto headingText = [&](int col, int r) { return grid.text(r, col); };
    const std::vector<int> cols = wantHeading.empty()
                                      ? std::vector<int>{}
                                      : Matching(grid.fixedCols, grid.columns, 0, grid.fixedRows,
                                                 headingText, wantHeading, FoldedHeading);
    const std::vector<int> rows = wantRow.empty()
                                      ? std::vector<int>{}
                                      : Matching(grid.fixedRows, grid.rows, 0, grid.fixedCols,
                                                 grid.text, wantRow, FoldedLabel);
    const std::vector<cuiCellPos> cells = Candidates(grid, rows, cols);
    if (cols.empty()) {
        lookup.message = "no column headed " + Excerpt::QuoteExcerpt(heading) + " on the sheet";
    } else if (rows.empty()) {
        lookup.message = "no row labelled " + Excerpt::QuoteExcerpt(row) + " on the sheet";
    } else if (cells.size() == 1) {
        lookup.result = cuiCellNameResult::Found;
        lookup.pos = cells.front();
    } else {
        lookup.result = cuiCellNameResult::Ambiguous;
        lookup.message =
            cols.size() > 1
                ? Excerpt::QuoteExcerpt(heading) +
                      " heads more than one column: " + Listed(cols, "column")
                : Excerpt::QuoteExcerpt(row) + " labels more than one row: " + Listed(rows, "row");
    }
    return lookup;
}

}  // namespace CellLookup
