#include "indImageDiff.h"

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>

#include "CellFootprint.h"
#include "CellName.h"
#include "CellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

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
        const int rows = std::max(sheetA->Rows(), sheetB->Rows());
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < sheetA->Columns(); ++col) {
                const bool inA = row < sheetA->Rows(), inB = row < sheetB->Rows();
                const cmcCellObj& cell = inA ? sheetA->Cell(row, col) : sheetB->Cell(row, col);
                if (!IsDataCell(cell) ||
                    !seen.insert({cell.category, cell.item, cell.index}).second) {
                    continue;
                }
                CellFootprint::MarkCellFootprint(cell.category, cell.item, cell.index,
                                                 a.ModelType(), covered);
                const std::string before =
                    inA ? CellName::CellDisplayLine(a, *sheetA, row, col) : "";
                const std::string after =
                    inB ? CellName::CellDisplayLine(b, *sheetB, row, col) : "";
                if (before == after) {
                    continue;
                }
                indCellDifference d;
                d.sheet = CellName::TextOneLine(caption);
                d.reference = reference;
                d.gridRow = row;
                d.gridCol = col;
                cuiSheet& source = inA ? *sheetA : *sheetB;
                d.row = CellName::CellRowLabel(source, row);
                d.column = CellName::CellColumnHeading(inA ? a : b, source, row, col);
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
