#pragma once
// The state of one call of the item handler, shared by the item groups: the
// request, the decoded record of the row and what the call found out about it.

#include <cstdint>
#include <string>

#include "cmcCellObj.h"
#include "datBiisAdr.h"
#include "datCh.h"
#include "indCellCapsule.h"

class cmcEeprom;
class indActiveCell;
class indHandlerContext;

struct indCellCall {
    indHandlerContext& ctx;
    indActiveCell& handler;
    indCellCapsule& c;
    cmcCellObj& cell;
    cmcEeprom& image;
    datCh rec;
    datBiisAdr adr;
    indPending pending = indPending::Nothing;
    int changeFlags = ChangeFlags::Always;
    int model = 0;
    uint8_t kind = 0;
    int category = 0;
    int item = 0;
    int row = 0;
    // Bank of the row (channels): its first and last channel and count.
    int bank = 0;
    int bankFirst = 0;
    int bankLast = -1;
    int bankCount = 0;
    bool newChannelRow = false;
    bool isBiis = false;
    bool notBiis = true;
    bool biisExt = false;

    bool Editable() const { return c.Editable != 0; }
    // Writes the record back into the image (after a codec reported a change).
    void StoreRecord();
    // The font colour of the cell (when it has a canvas, it is set there too).
    void SetFontColor(uint32_t color);
    // "----" in grey, centred: the cell does not apply to this channel.
    void NotApplicable();
    void SetAlign(int horizontal, int vertical);
    // Menu state bits of the cell: bit 2 checked, bit 3 hidden, bit 4 disabled, bit 5 caption.
    void SetMenuBit(uint8_t bit, bool on);
};

// Signature of an item's handler.
using indItemFn = void (*)(indCellCall& call);

// Each group registers its items.
void RegisterChannelItems(indItemFn* table);
void RegisterBankItems(indItemFn* table);
void RegisterPopupItems(indItemFn* table);
void RegisterMenuItems(indItemFn* table);
void RegisterInfoItems(indItemFn* table);
void RegisterSettingItems(indItemFn* table);
void RegisterDebugItems(indItemFn* table);

// Colours the handler uses.
namespace CellColor {
constexpr uint32_t LightGray = 12632256;  // not applicable, transmit inhibited
constexpr uint32_t Gray = 8421504;
constexpr uint32_t WindowText = 0x80000008;
}  // namespace CellColor
