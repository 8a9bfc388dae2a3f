#include "indImageDiff.h"

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>

#include "CellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiTree.h"
#include "indCellFootprint.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "iuiSh_ChBank.h"

namespace {

std::string OneLine(std::string text) {
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

// Cells that show image data: not labels, headings, menu or check cells, the
// channel number, row numbers, or the radio's clone information.
bool IsDataCell(const cmcCellObj& cell) {
    struct Span {
        int first, last;
    };
    static constexpr Span notData[] = {
        {CL_Null, CallSheet},             // generic, menu and tool items
        {CL_Check_Mch, CL_EeDebugWin_F},  // checks, clone information, EEPROM window
        {CL_PMenu_NoItem, CL_PMenu_Insert},
        {CL_Misc_ChNo_0Base, CL_Mch_No},
    };
    if (cell.item == kNoCellItem || cell.category == CT_PopupMenu) {
        return false;
    }
    for (const Span& s : notData) {
        if (cell.item >= s.first && cell.item <= s.last) {
            return false;
        }
    }
    return true;
}

std::string Render(indDocumentContext& ctx, cuiSheet& sheet, int row, int col) {
    indCellCapsule c;
    sheet.PrepareCapsule(c, row, col);
    c.Editable = 0;
    ctx.Handler().HandleCell(c);
    return OneLine(c.DisplayText);
}

// The heading of a column: the texts of the fixed rows above the cell; on
// sheets with fixed columns also the label at the start of the row.
std::string Heading(indDocumentContext& ctx, cuiSheet& sheet, int row, int col, bool bankSheet) {
    std::string column;
    for (int r = 0; r < sheet.FixedRows() + (sheet.FixedRows() == 0 ? 1 : 0) && r < sheet.Rows();
         ++r) {
        const std::string t = Render(ctx, sheet, r, col);
        if (!t.empty() && r != row) {
            column += (column.empty() ? "" : " ") + t;
        }
    }
    if (bankSheet || sheet.FixedCols() == 0 || col == 0) {
        return column;
    }
    const std::string label = Render(ctx, sheet, row, 0);
    return column.empty() ? label : label + " / " + column;
}

}  // namespace

indImageDiff DiffImages(indDocumentContext& a, indDocumentContext& b) {
    indImageDiff diff;
    const cmcEeprom& imageA = a.WorkingImage();
    const cmcEeprom& imageB = b.WorkingImage();
    std::vector<uint8_t> covered(static_cast<size_t>(imageA.Size()), 0);
    std::set<std::tuple<int, int, int>> seen;  // cells already compared on an earlier sheet

    cuiTree tree(a.Texts());
    tree.Build();
    tree.AdaptToModel(a.ModelType(), true);
    for (const auto& [reference, caption] : tree.Sheets()) {
        std::unique_ptr<cuiSheet> sheetA = a.MakeSheet(reference);
        std::unique_ptr<cuiSheet> sheetB = b.MakeSheet(reference);
        auto* bankA = dynamic_cast<iuiSh_ChBank*>(sheetA.get());
        auto* bankB = dynamic_cast<iuiSh_ChBank*>(sheetB.get());
        const int rows = std::max(sheetA->Rows(), sheetB->Rows());
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < sheetA->Columns(); ++col) {
                const bool inA = row < sheetA->Rows(), inB = row < sheetB->Rows();
                const cmcCellObj& cell = inA ? sheetA->Cell(row, col) : sheetB->Cell(row, col);
                if (!IsDataCell(cell) ||
                    !seen.insert({cell.category, cell.item, cell.index}).second) {
                    continue;
                }
                MarkCellFootprint(cell.category, cell.item, cell.index, a.ModelType(), covered);
                const std::string before = inA ? Render(a, *sheetA, row, col) : "";
                const std::string after = inB ? Render(b, *sheetB, row, col) : "";
                if (before == after) {
                    continue;
                }
                indCellDifference d;
                d.sheet = OneLine(caption);
                if (bankA != nullptr && row >= bankA->LoopStartRow()) {
                    d.row = std::to_string(bankA->Bank() + 1) + "-" +
                            std::to_string(row - bankA->LoopStartRow() + 1);
                } else {
                    d.row = "row " + std::to_string(row);
                }
                cuiSheet& source = inA ? *sheetA : *sheetB;
                d.column =
                    Heading(inA ? a : b, source, row, col, bankA != nullptr || bankB != nullptr);
                d.before = before;
                d.after = after;
                diff.cells.push_back(std::move(d));
            }
        }
        sheetA.reset();
        sheetB.reset();
        EvMan().Pump();
    }

    // Changed bits that no compared cell shows, as runs of addresses.
    const int size = std::min(imageA.Size(), imageB.Size());
    for (int address = 0; address < size; ++address) {
        const auto changed =
            static_cast<uint8_t>(imageA.GetByte(address) ^ imageB.GetByte(address));
        if ((changed & ~covered[static_cast<size_t>(address)]) == 0) {
            continue;
        }
        if (!diff.bytes.empty() && diff.bytes.back().last == address - 1) {
            diff.bytes.back().last = address;
        } else {
            diff.bytes.push_back({address, address});
        }
    }
    return diff;
}
