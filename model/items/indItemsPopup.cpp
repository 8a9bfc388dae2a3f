// Pop-up menu entries: their enabled and hidden states for the sheet cell the
// menu was opened on. Carrying out the row commands is the pop-up command field's.

#include "CellNames.h"
#include "ChRowOps.h"
#include "cmcCellObj.h"
#include "cmcClipCh.h"
#include "datCh.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

constexpr uint8_t Hidden = kStateFlag1;
constexpr uint8_t Disabled = kStateFlag2;

// Rows that cannot be copied, cleared or deleted: the entry row of a bank,
// the common slots of the code tables, the last status message.
bool RowIsFixed(const indCellCall& call) {
    if (IsChannelKind(call.kind)) {
        return call.newChannelRow;
    }
    if (call.kind == KindRxCode || call.kind == KindTwoTone) {
        return call.row == 0;
    }
    return call.kind == KindMskStatus && call.row == 23;
}

bool KindAllows(const indCellCall& call, uint8_t flag) {
    return (KindInfo(call.kind).flags & flag) != 0;
}

void NoItem(indCellCall& call) {
    call.SetMenuBit(Disabled, true);
    call.SetMenuBit(Hidden, call.c.MenuEntryCount != 1);
}

void CopyClear(indCellCall& call) {
    const uint8_t needed = call.item == CL_PMenu_Copy ? KindMayCopy : KindMayClear;
    call.SetMenuBit(Disabled, !KindAllows(call, needed) || RowIsFixed(call));
}

// Delete and insert move channels and resize banks: channel rows only. Insert
// also works on a bank's entry row (the channel is appended).
void DeleteInsert(indCellCall& call) {
    const bool fixed = call.item == CL_PMenu_Delete && RowIsFixed(call);
    call.SetMenuBit(Disabled, !MayDeleteInsert(call.kind) || fixed);
}

void Paste(indCellCall& call) {
    call.SetMenuBit(Disabled, !KindAllows(call, KindMayCopy) || RowIsFixed(call) ||
                                  !call.ctx.Clipboard().Holds(call.kind));
}

void Carry(indCellCall& call) {
    const bool up = call.item == CL_PMenu_CarryUp;
    const datKindInfo& info = KindInfo(call.kind);
    bool disabled =
        !KindAllows(call, KindMayCopy) || call.row < info.firstRow || call.row > info.lastRow;
    if (up) {
        disabled = disabled || call.row <= info.firstRow;
    } else {
        disabled = disabled || call.row >= info.lastRow;
    }
    if (IsChannelKind(call.kind)) {
        disabled =
            disabled || call.newChannelRow || call.row == (up ? call.bankFirst : call.bankLast);
    }
    call.SetMenuBit(Disabled, disabled);
}

}  // namespace

void RegisterPopupItems(indItemFn* table) {
    table[CL_PMenu_NoItem] = &NoItem;
    table[CL_PMenu_Copy] = &CopyClear;
    table[CL_PMenu_Clear] = &CopyClear;
    table[CL_PMenu_Delete] = &DeleteInsert;
    table[CL_PMenu_Insert] = &DeleteInsert;
    table[CL_PMenu_Paste] = &Paste;
    table[CL_PMenu_CarryUp] = &Carry;
    table[CL_PMenu_CarryDown] = &Carry;
}
