#include "CellName.h"

#include "cuiSheet.h"
#include "indDocumentContext.h"
#include "iuiSh_ChBank.h"

namespace CellName {

std::string TextOneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n') {
            ch = ' ';
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

namespace {

const iuiSh_ChBank* ChannelBank(const cuiSheet& sheet, int row) {
    const auto* bank = dynamic_cast<const iuiSh_ChBank*>(&sheet);
    return bank != nullptr && row >= bank->LoopStartRow() ? bank : nullptr;
}

}  // namespace

std::string CellDisplayLine(indDocumentContext& ctx, cuiSheet& sheet, int row, int col) {
    indCellCapsule c;
    sheet.PrepareCapsule(c, row, col);
    c.Editable = 0;
    ctx.Handler().HandleCell(c);
    return TextOneLine(c.DisplayText);
}

std::string CellColumnHeading(indDocumentContext& ctx, cuiSheet& sheet, int row, int col) {
    std::string column;
    const int headingRows = sheet.FixedRows() + (sheet.FixedRows() == 0 ? 1 : 0);
    for (int r = 0; r < headingRows && r < sheet.Rows(); ++r) {
        const std::string t = CellDisplayLine(ctx, sheet, r, col);
        if (!t.empty() && r != row) {
            column += (column.empty() ? "" : " ") + t;
        }
    }
    const bool bankSheet = dynamic_cast<const iuiSh_ChBank*>(&sheet) != nullptr;
    if (bankSheet || sheet.FixedCols() == 0 || col == 0) {
        return column;
    }
    const std::string label = CellDisplayLine(ctx, sheet, row, 0);
    return column.empty() ? label : label + " / " + column;
}

std::string CellRowLabel(cuiSheet& sheet, int row) {
    if (const iuiSh_ChBank* bank = ChannelBank(sheet, row)) {
        return std::to_string(bank->Bank() + 1) + "-" +
               std::to_string(row - bank->LoopStartRow() + 1);
    }
    return "row " + std::to_string(row);
}

std::string RowCommandName(const std::string& caption, cuiSheet& sheet, int firstRow, int lastRow) {
    std::string name;
    for (const char ch : caption) {
        if (ch != '&') {
            name += ch;
        }
    }
    name = TextOneLine(name) + " " + CellRowLabel(sheet, firstRow);
    return lastRow == firstRow ? name : name + " to " + CellRowLabel(sheet, lastRow);
}

std::string CellCaption(indDocumentContext& ctx, cuiSheet& sheet, int row, int col) {
    std::string heading = CellColumnHeading(ctx, sheet, row, col);
    if (heading.empty()) {
        heading = TextOneLine(sheet.DisplayName().empty() ? sheet.Name() : sheet.DisplayName());
    }
    return ChannelBank(sheet, row) != nullptr ? heading + " " + CellRowLabel(sheet, row) : heading;
}

}  // namespace CellName
