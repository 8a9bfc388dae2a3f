// Bank and channel-count items (row = bank 0..15, 16 = totals, above = free).

#include <algorithm>
#include <string>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChEvents.h"
#include "ChShift.h"
#include "Codec.h"
#include "EventIds.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

constexpr int BankRows = 16;
constexpr int MaxChannels = 256;

void ShowError(indCellCall& call, const char* name) {
    CurrentMessageBoxHost().Show(call.ctx.Texts().GetText("GI_Sys_AppTitle"),
                                 call.ctx.Texts().GetLines(name), cmcMbButtons::Ok,
                                 cmcMbIcon::Stop);
}

void SmarTrunkItem(indCellCall& call) {
    if (call.row < 0 || call.row >= BankRows) {
        call.NotApplicable();
        return;
    }
    int32_t value = BankSmarTrunk(call.image, call.row) ? 1 : 0;
    if (Codec::SelectChoice(call.c, call.ctx.Lists(), "GI_Sheet_Sel_Misc_OnOff2", Flex0, value,
                            call.pending) != 0) {
        SetBankSmarTrunk(call.image, call.row, value != 0);
        call.changeFlags |= ChangeFlags::Record;
        EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    }
}

// The bank's channel count: growth appends blank channels, shrinking removes
// blank ones from the end of the bank.
void BankSizeItem(indCellCall& call) {
    const int total = TotalChannels(call.image);
    if (call.row == BankRows) {
        Codec::Show(call.c, std::to_string(total));
        return;
    }
    if (call.row < 0 || call.row > BankRows) {
        Codec::Show(call.c, std::to_string(MaxChannels - total));
        return;
    }
    const int bank = call.row;
    const int count = BankCount(call.image, bank);
    const uint8_t kind = ChannelKindOf(call.model);
    Codec::IntegerOptions o;
    o.low = -MaxChannels;  // below 0 is a shrink by more than the bank holds
    o.high = MaxChannels;
    o.noWrap = true;
    int32_t wanted = count;
    const int changed = Codec::EditInteger(call.c, wanted, o, call.pending);
    if (call.pending != indPending::Nothing) {
        return;  // the editor opens with the codec's text (a typed digit, caret after it)
    }
    if (changed == 0 || wanted == count) {
        Codec::Show(call.c, std::to_string(count));
        return;
    }
    const int key = call.c.Key;
    if ((key == Keys::Space && wanted < count) || (key == Keys::Backspace && wanted > count)) {
        Codec::Show(call.c, std::to_string(count));
        return;
    }
    if (wanted > count) {
        const int free = MaxChannels - total;
        if (wanted - count > free) {
            ShowError(call, "GI_AppMess_ChErr_Overflow");
            wanted = count + free;
        }
    } else {
        const int tail = BlankTail(call.image, kind, bank);
        if (wanted < 0) {
            ShowError(call, "GI_AppMess_ChErr_NoCh");
            wanted = count - tail;
        } else if (count - wanted > tail) {
            ShowError(call, "GI_AppMess_ChErr_NotBlank");
            wanted = count - tail;
        }
    }
    if (wanted != count) {
        ResizeBank(call.image, call.ctx.TemplateImage(), kind, bank, wanted);
        call.changeFlags |= ChangeFlags::Record | ChangeFlags::RowStructure;
        EvMan().Post(EventIds::RepaintAll, nullptr, 0);
        EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    }
    Codec::Show(call.c, std::to_string(BankCount(call.image, bank)));
}

void UsedChannelsItem(indCellCall& call) {
    int n = 0;
    if (call.row >= 0 && call.row < BankRows) {
        n = UsedInBank(call.image, call.row);
    } else if (call.row == BankRows) {
        n = UsedTotal(call.image);
    } else {
        n = MaxChannels - UsedTotal(call.image);
    }
    Codec::Show(call.c, std::to_string(n));
}

void ChannelNumberItem(indCellCall& call) {
    Codec::Show(call.c, std::to_string(call.item == CL_Misc_ChNo_1Base ? call.row + 1 : call.row));
}

// A grey bar over the top 70 % of the cell.
void QuarterPillarItem(indCellCall& call) {
    if (call.c.Canvas != nullptr && call.c.CellRect != nullptr) {
        const cmcCellRect& r = *call.c.CellRect;
        call.c.Canvas->FillRect(r.left, r.top, r.right, r.bottom - (r.bottom - r.top) * 3 / 10,
                                CellColor::Gray);
    }
}

}  // namespace

void RegisterBankItems(indItemFn* table) {
    table[CL_Mch_SmarTrunk] = &SmarTrunkItem;
    table[CL_Mch_Bank] = &BankSizeItem;
    table[CL_Mch_UsedCHs] = &UsedChannelsItem;
    table[CL_Misc_ChNo_0Base] = &ChannelNumberItem;
    table[CL_Misc_ChNo_1Base] = &ChannelNumberItem;
    table[CL_Misc_QuarterPillar] = &QuarterPillarItem;
}
