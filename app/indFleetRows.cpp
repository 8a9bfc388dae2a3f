#include "indFleetRows.h"

#include "CellNames.h"
#include "Csv.h"
#include "clsSheetRef.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

namespace {

std::optional<int> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

int ItemByName(std::string_view name) {
    for (int i = 0; i < kCellItemCount; ++i) {
        if (CellItemName(i) == name) {
            return i;
        }
    }
    return kNoCellItem;
}

}  // namespace

std::optional<indFleetCell> ParseFleetCell(std::string_view text) {
    const size_t bang = text.rfind('!');
    if (bang == std::string_view::npos || bang == 0) {
        return std::nullopt;
    }
    indFleetCell cell;
    cell.text = std::string(text);
    cell.sheet = std::string(text.substr(0, bang));
    std::string_view item = text.substr(bang + 1);
    const size_t open = item.find('[');
    if (open != std::string_view::npos) {
        if (!item.ends_with(']')) {
            return std::nullopt;
        }
        const auto index = WholeNumber(item.substr(open + 1, item.size() - open - 2));
        if (!index) {
            return std::nullopt;
        }
        cell.index = *index;
        item = item.substr(0, open);
    }
    cell.item = ItemByName(item);
    if (cell.item == kNoCellItem) {
        return std::nullopt;
    }
    return cell;
}

bool ParseFleetRows(std::string_view text, indFleetRows& rows, std::string& error) {
    rows = {};
    const std::vector<cmcCsvRecord> records = Csv::ParseCsv(text);
    if (records.empty()) {
        error = "the file names no cells (its first line lists SHEET-REF!ITEM[INDEX] columns)";
        return false;
    }
    for (const std::string& field : records[0].fields) {
        const auto cell = ParseFleetCell(field);
        if (!cell) {
            error = "column \"" + field + "\" does not name a cell as SHEET-REF!ITEM[INDEX]";
            return false;
        }
        if (!GTex().HasSection(ParseSheetRef(cell->sheet).name + "_Cells")) {
            error = "column \"" + field + "\" names no sheet of this program";
            return false;
        }
        rows.cells.push_back(*cell);
    }
    for (size_t r = 1; r < records.size(); ++r) {
        if (records[r].fields.size() != rows.cells.size()) {
            error = "line " + std::to_string(records[r].line) + " has " +
                    std::to_string(records[r].fields.size()) + " field(s), the first line " +
                    std::to_string(rows.cells.size());
            return false;
        }
        rows.values.push_back(records[r].fields);
        rows.lines.push_back(records[r].line);
    }
    return true;
}

std::string FleetValuesText(const indFleetRows& rows, int radio) {
    std::string text;
    if (radio < 0 || radio >= static_cast<int>(rows.values.size())) {
        return text;
    }
    for (size_t c = 0; c < rows.cells.size(); ++c) {
        text += (c == 0 ? "" : "; ") + rows.cells[c].text + "=" +
                rows.values[static_cast<size_t>(radio)][c];
    }
    return text;
}

bool ApplyFleetRow(indSheetSession& session, const indFleetRows& rows, int radio,
                   std::string& error) {
    const std::vector<std::string>& values = rows.values.at(static_cast<size_t>(radio));
    for (size_t c = 0; c < rows.cells.size(); ++c) {
        const indFleetCell& cell = rows.cells[c];
        const auto pos = session.ShowSheet(cell.sheet) && session.Sheet() != nullptr
                             ? session.Sheet()->FindCell(cell.item, cell.index)
                             : std::nullopt;
        if (!pos) {
            error = cell.text + ": no such cell on the sheet of this image's model";
            return false;
        }
        session.Sheet()->SetCurrent(*pos);
        const indCellResult result = session.Cells()->Commit(values[c]);
        if (result.outcome != indCellOutcome::Done) {
            error = cell.text + " refuses \"" + values[c] + "\"" +
                    (result.message.empty() ? std::string() : ": " + result.message);
            return false;
        }
    }
    return true;
}
