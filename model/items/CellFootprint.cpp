#include "CellFootprint.h"

#include "CellNames.h"
#include "datFieldLayout.h"
#include "indActiveCell.h"
#include "indSettingItem.h"

namespace CellFootprint {

namespace {

void Mark(std::vector<uint8_t>& mask, int address, uint8_t bits) {
    if (address >= 0 && address < static_cast<int>(mask.size())) {
        mask[static_cast<size_t>(address)] |= bits;
    }
}

uint8_t BitRange(int hi, int lo) {
    return static_cast<uint8_t>(((1u << (hi + 1)) - 1) & ~((1u << lo) - 1));
}

// Every field of the record of kind at row.
void MarkRecord(uint8_t kind, int row, std::vector<uint8_t>& mask) {
    for (const datFieldLayout& f : FieldsOfKind(kind)) {
        if (row < f.minRow) {
            continue;
        }
        switch (f.loc) {
            case datLoc::Bits:
                for (int p = 0; p < f.pieceCount; ++p) {
                    const datPiece& piece = f.pieces[static_cast<size_t>(p)];
                    Mark(mask, f.Address(row, piece.offset), BitRange(piece.hi, piece.lo));
                }
                break;
            case datLoc::Bytes:
            case datLoc::Text:
                for (int i = 0; i < f.length; ++i) {
                    Mark(mask, f.Address(row, i), 0xFF);
                }
                break;
            case datLoc::ScanBits:
                for (int list = 0; list < f.length; ++list) {
                    Mark(mask, f.base + f.stride * list + row / 8,
                         static_cast<uint8_t>(0x80 >> (row % 8)));
                }
                break;
            case datLoc::NotFifteen:
                Mark(mask, f.base, 0xFF);
                break;
            case datLoc::Constant:
                break;
        }
    }
}

// The bank table, the SmarTrunk flags and the priority and emergency bytes.
void MarkBanks(std::vector<uint8_t>& mask) {
    for (int a = 0x0100; a < 0x0120; ++a) {
        Mark(mask, a, 0xFF);
    }
    Mark(mask, 0x0096, 0xFF);
    Mark(mask, 0x0097, 0xFF);
}

void MarkAttributes(std::vector<uint8_t>& mask) {
    Mark(mask, 0x0098, 0xFF);
    Mark(mask, 0x0099, 0xFF);
    Mark(mask, 0x009A, 0xFF);
    Mark(mask, 0x00A2, 0x20);
}

}  // namespace

void MarkCellFootprint(int category, int item, int row, int modelType, std::vector<uint8_t>& mask) {
    if (const indSettingItem* s = FindSettingItem(item)) {
        for (const indByteMask& b : SettingFootprint(*s, row)) {
            Mark(mask, b.address, b.mask);
        }
    }
    const uint8_t kind = indActiveCell::RecordKindOf(category, modelType);
    if (kind != KindNone && row >= 0) {
        MarkRecord(kind, row, mask);
    }
    if (category == CT_Mch) {
        if (item == CL_Mch_Atr) {
            MarkAttributes(mask);
        }
        if (item == CL_Mch_SmarTrunk || item == CL_Mch_Bank || item == CL_Mch_Atr) {
            MarkBanks(mask);
        }
    }
}

}  // namespace CellFootprint
