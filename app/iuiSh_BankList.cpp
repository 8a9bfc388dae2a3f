#include "iuiSh_BankList.h"

#include "BankSheets.h"
#include "CellNames.h"
#include "ChBanks.h"
#include "EventIds.h"
#include "cmcEvMan.h"

namespace {

// The texts of a bank row's sheet-opening cells, by the cell's place among them.
enum BankColumn { Name, Count, First, Last };

std::string BankText(const cmcEeprom& image, int bank, int column) {
    const int count = BankCount(image, bank);
    switch (column) {
        case Name:
            return "Bank " + std::to_string(bank + 1);
        case Count:
            return std::to_string(count);
        case First:
            return count > 0 ? std::to_string(BankFirst(image, bank) + 1) : "-";
        default:
            return count > 0 ? std::to_string(BankLast(image, bank) + 1) : "-";
    }
}

}  // namespace

iuiSh_BankList::iuiSh_BankList(const cuiSheetEnv& env, std::string sheetName)
    : cuiSheet(env, std::move(sheetName)) {
    EvMan().AddListener(&iuiSh_BankList::Listener, this);
}

iuiSh_BankList::~iuiSh_BankList() {
    EvMan().RemoveListener(&iuiSh_BankList::Listener, this);
}

void iuiSh_BankList::Listener(void* data, const cmcEvent& event) {
    // Bank sizes change with a replaced image or channel inserts elsewhere;
    // the texts are brought up to date before the repaint these events ask for.
    if (event.kind == EventIds::RepaintAll || event.kind == EventIds::BankSheetRefresh ||
        event.kind == EventIds::ImageReplaced || event.kind == EventIds::TreeMarks) {
        static_cast<iuiSh_BankList*>(data)->FillTexts();
    }
}

void iuiSh_BankList::BuildCells() {
    cuiSheet::BuildCells();
    FillTexts();
}

void iuiSh_BankList::FillTexts() {
    if (Env().image == nullptr) {
        return;
    }
    for (int r = 0; r < Rows(); ++r) {
        int column = 0;
        for (int c = 0; c < Columns(); ++c) {
            cmcCellObj& cell = Cell(r, c);
            if (cell.item != CallSheet) {
                continue;
            }
            cell.param = BankSheets::Reference(Env().modelType, cell.index);
            cell.text = BankText(*Env().image, cell.index, column++);
        }
    }
}

void iuiSh_BankList::PrepareCapsule(indCellCapsule& capsule, int row, int col) {
    cuiSheet::PrepareCapsule(capsule, row, col);
    const cmcCellObj& cell = Cell(row, col);
    if (cell.item == CL_Check_Mch) {
        capsule.Bank = cell.index;
    }
}
