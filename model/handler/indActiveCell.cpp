#include "indActiveCell.h"

#include <array>
#include <cstdio>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChRowOps.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

// Items this model leaves to the default branch ("%d *Yet*"). The EEPROM
// window's free item and the flag-bit sheet serve their own items; CL_PMenu_Edit acts
// through the pop-up command field.
struct ItemRange {
    int first;
    int last;
};
constexpr ItemRange kLeftOut[] = {
    {Flex2, Flex2},
    {FlexEeDebugWin, FlexEeDebugWin},
    {CL_Menu_Debug_25kCheckComp, CL_Menu_Debug_25kCheckComp},
    {CL_CloneInfo_Esn, CL_CloneInfo_Esn},
    {CL_PMenu_Edit, CL_PMenu_Edit},
    {CL_Bank_SelBankFree, CL_Mch_BankText},
    {CL_FBits, CL_FBits},
    {CL_Mch_Msk_Log, CL_Mch_Msk_Log},
    {CL_Msk_Msg_Status_Horn, CL_Msk_Msg_Status_Horn},
    {CL_Msk_Msg_ShortTxtTxMsg_2, CL_Msk_Msg_ShortTxtTxMsg_3},
    {CL_Msk_TimingErr_ND, CL_Msk_TimingErr_ND},
    {CL_Msk_TimingErr_TOF, CL_Msk_TimingErr_T3},
    {CL_Msk_Cfg_Status_Send_Off, CL_Msk_Cfg_Gps_Enable},
    {CL_Msk_Cfg_Gps_Send_Call, CL_Msk_Cfg_Gps_Send_Call},
    {CL_Msk_Cfg_Gps_Send_Ack, CL_Msk_Cfg_Gps_Send_Ack},
    {CL_KDisp_HangAct_Moni, CL_KDisp_HangAct_PrioA},
    {CL_KDisp_SmaKey, CL_KDisp_LED_LP2},
    {CL_Comm_Ctcss_ToneBurst, CL_Comm_Ctcss_ToneBurst},
    {CL_Comm_Ctcss_RxAfFilt, CL_Comm_Ctcss_RxAfFilt},
    {CL_Exp_Emer_SwOnTimer, CL_Exp_Emer_StartRepeat},
    {CL_Exp_PSaveStartTimer_1, CL_Exp_ClShift},
    {CL_2T_GroupCall, CL_2T_GroupCall},
    {CL_2T_EXO, CL_2T_EXO},
    {CL_2T_ExoTimer, CL_2T_ExoTimer},
    {CL_5TRx_ExoTimer, CL_5TRx_ExoTimer},
    {CL_Select_TX_Code, CL_Select_TX_Text},
    {CL_5TTx_DispDigit1, CL_5TTx_DispDigit0},
    {CL_UTone_Auto, CL_UTone_Auto},
};

bool IsLeftOut(int item) {
    for (const ItemRange& r : kLeftOut) {
        if (item >= r.first && item <= r.last) {
            return true;
        }
    }
    return false;
}

const std::array<indItemFn, kCellItemCount>& ItemTable() {
    static const std::array<indItemFn, kCellItemCount> table = [] {
        std::array<indItemFn, kCellItemCount> t{};
        RegisterChannelItems(t.data());
        RegisterBankItems(t.data());
        RegisterPopupItems(t.data());
        RegisterMenuItems(t.data());
        RegisterInfoItems(t.data());
        RegisterSettingItems(t.data());
        RegisterDebugItems(t.data());
        for (int item = 0; item < kCellItemCount; ++item) {
            if (IsLeftOut(item)) {
                t[static_cast<size_t>(item)] = nullptr;
            }
        }
        return t;
    }();
    return table;
}

// The record kind that a category decodes for its rows.
uint8_t RecordKind(int category, int model) {
    static constexpr uint8_t kinds[] = {
        KindNone,  // CT_Null
        KindNone,  // CT_PopupMenu
        KindNone,  // CT_Mch: by model type
        KindCEdit,      KindDtmf,        KindScanList,  KindTonePair,     KindRxCode,
        KindTxCode,     KindTwoTone,     KindTwoToneTx, KindUserTone,     KindBankOp,
        KindNone,  // CT_MSK_AdrRange
        KindMskIdGroup, KindMskCallList, KindMskStatus, KindMskShortText,
        KindNone,  // CT_MSK_TimingErr
        KindNone,  // CT_MSK_Cfg
    };
    if (category == CT_Mch) {
        return ChannelKindOf(model);
    }
    return category >= 0 && category < kCategoryCount ? kinds[category] : uint8_t{KindNone};
}

bool IsRowOperation(int command) {
    return command >= CL_PMenu_Copy && command <= CL_PMenu_Insert;
}

// Items of the channel record whose cells follow the blank-channel rules.
bool IsChannelRecordItem(int item) {
    return item >= CL_Mch_Atr && item <= CL_Mch_Msk_RxCNo;
}

void RunRowOperation(indCellCall& call, int command) {
    datRowRequest req;
    req.RangeFlags = call.c.RangeFlags;
    req.RangeFirst = call.c.RangeFirst;
    req.RangeLast = call.c.RangeLast;
    req.Bank = call.bank;
    datRowBounds bounds{KindInfo(call.kind).firstRow, KindInfo(call.kind).lastRow};
    if (IsChannelKind(call.kind)) {
        bounds = {call.bankFirst, call.bankLast};
    }
    const cmcEeprom& templ = call.ctx.TemplateImage();
    datClipCh& clip = call.ctx.Clipboard();
    bool changed = false;
    switch (command) {
        case CL_PMenu_Copy:
            changed = RowCopy(clip, req, call.rec, bounds);
            break;
        case CL_PMenu_Paste:
            changed = RowPaste(clip, req, call.rec, bounds);
            break;
        case CL_PMenu_CarryUp:
            changed = RowCarry(req, call.rec, bounds, -1);
            break;
        case CL_PMenu_CarryDown:
            changed = RowCarry(req, call.rec, bounds, +1);
            break;
        case CL_PMenu_Clear:
            changed = (KindInfo(call.kind).flags & KindMayClear) != 0 &&
                      RowClear(templ, req, call.rec, bounds);
            break;
        case CL_PMenu_Delete:
            changed = RowDelete(req, call.rec, bounds);
            break;
        case CL_PMenu_Insert:
            changed = RowInsert(req, call.rec, bounds);
            break;
        default:
            break;
    }
    call.c.RangeFlags = req.RangeFlags;
    call.c.RangeFirst = req.RangeFirst;
    call.c.RangeLast = req.RangeLast;
    if (req.Redirect != 0) {
        call.c.Redirect = 1;
        call.c.RedirRow = req.RedirRow;
        call.c.RedirKey = 0;
    }
    if (changed) {
        call.changeFlags |= ChangeFlags::Record | ChangeFlags::OtherRows;
    }
}

void DecodeRow(indCellCall& call) {
    call.rec.Decode(call.kind, call.row);
    if (IsChannelKind(call.kind)) {
        const bool biisModel = call.model == ModelBiisPmr;
        call.isBiis = biisModel && call.rec.Get(datField::Biis) != 0;
        call.notBiis = !call.isBiis;
        call.biisExt = call.model != ModelLmr && call.rec.Get(datField::BiisExt) != 0;
    }
}

void SetBank(indCellCall& call, int bank) {
    call.bank = bank;
    call.bankFirst = BankFirst(call.image, bank);
    call.bankCount = BankCount(call.image, bank);
    call.bankLast = call.bankFirst + call.bankCount - 1;
}

}  // namespace

uint8_t indActiveCell::RecordKindOf(int category, int modelType) {
    return RecordKind(category, modelType);
}

bool indActiveCell::IsImplemented(int item) {
    return item >= 0 && item < kCellItemCount && ItemTable()[static_cast<size_t>(item)] != nullptr;
}

indPending indActiveCell::HandleCell(indCellCapsule& c, uint8_t notify) {
    if (c.Cell == nullptr) {
        return indPending::Nothing;
    }
    cmcCellObj& cell = *c.Cell;
    indCellCall call{
        context_, *this, c, cell, context_.WorkingImage(), datCh(&context_.WorkingImage()), {}};
    // Whatever path writes the image, the write is a change of the record.
    const uint64_t changesBefore = call.image.Changes();
    call.adr.Load(call.image);
    call.model = context_.ModelType();
    call.category = cell.category;
    call.item = cell.item;
    call.row = cell.index;
    CategoryGroup(call.category, call.model);  // an unknown category ends the program here
    call.kind = RecordKind(call.category, call.model);
    SetBank(call, c.Bank);
    call.newChannelRow =
        IsChannelKind(call.kind) && (call.bankCount == 0 || call.row > call.bankLast);

    c.DisplayText.clear();
    c.Flags = static_cast<uint8_t>(c.Flags & ~(CapsuleFlags::Warning | CapsuleFlags::Error));
    c.Popup = indPopupRequest{};
    if (call.kind != KindNone) {
        DecodeRow(call);
    }
    c.RedirCategory = call.category;
    c.RedirItem = call.item;
    c.RedirRow = call.row;

    bool handled = false;
    if (c.Key == Keys::EnterAlias) {
        c.Key = Keys::Enter;
    }
    if (c.PopupCommand == CL_PMenu_Edit) {
        c.Key = Keys::Enter;
        c.PopupCommand = 0;
    }
    if (IsRowOperation(c.PopupCommand)) {
        RunRowOperation(call, c.PopupCommand);
        handled = true;
    }

    // A pop-up menu cell works on the row of the sheet cell it was opened on.
    if (!handled && call.category == CT_PopupMenu && c.SubCell != nullptr &&
        c.SubCell->Cell != nullptr) {
        const cmcCellObj& sub = *c.SubCell->Cell;
        call.kind = RecordKind(sub.category, call.model);
        call.row = sub.index;
        SetBank(call, c.SubCell->Bank);
        call.newChannelRow =
            IsChannelKind(call.kind) && (call.bankCount == 0 || call.row > call.bankLast);
        if (call.kind != KindNone) {
            DecodeRow(call);
        }
    }

    // Any key on a blank channel moves to its receive frequency (its marks stay
    // editable). The entry row of a bank holds no channel of its own (the row
    // decoded is the next bank's first): every column but the receive
    // frequency stays empty and touches nothing.
    if (!handled && call.category == CT_Mch && IsChannelRecordItem(call.item) &&
        IsImplemented(call.item) && call.item != CL_Mch_FreqR) {
        const bool blank = !call.rec.Used() && call.item != CL_Mch_Atr;
        if (call.newChannelRow || (blank && c.Key <= 127)) {
            c.DisplayText.clear();
            handled = true;
            if (c.Key <= 127) {
                c.RedirItem = CL_Mch_FreqR;
                c.Redirect = 1;
                c.RedirKey = c.Key;
            }
        }
    }

    if (!handled) {
        const bool inRange = call.item >= 0 && call.item < kCellItemCount;
        const indItemFn fn = inRange ? ItemTable()[static_cast<size_t>(call.item)] : nullptr;
        if (call.item == kNoCellItem) {
            c.DisplayText = cell.Text();  // a cell bound to no item shows its own text
        } else if (fn != nullptr) {
            fn(call);
        } else {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%d *Yet*", call.item);
            c.DisplayText = buf;
        }
    }

    if (call.image.Changes() != changesBefore) {
        call.changeFlags |= ChangeFlags::Record;
    }
    if ((call.changeFlags & ChangeFlags::Record) != 0) {
        context_.CheckModified();
    }
    if (notify != 0 && call.changeFlags != 0 && c.OnChange) {
        c.OnChange(c, call.changeFlags);
    }
    if (c.Key != 0 || c.EditResult != indEditResult::Key || c.PopupCommand != 0) {
        context_.Commands().RestartRefresh();
    }
    return call.pending;
}

indPending indActiveCell::ExecuteCell(cmcCellObj& cell, int32_t key) {
    indCellCapsule c;
    c.Cell = &cell;
    c.Editable = 1;
    c.Key = key;
    return HandleCell(c);
}

uint8_t indActiveCell::QueryFlags(int category, int item, int row) {
    cmcCellObj cell;
    cell.category = category;
    cell.item = item;
    cell.index = row;
    indCellCapsule c;
    c.Cell = &cell;
    c.Bank = BankOfNth(context_.WorkingImage(), row + 1);
    HandleCell(c);
    return c.Flags;
}

int indActiveCell::CellIsError(int category, int item, int row) {
    return (QueryFlags(category, item, row) & CapsuleFlags::Error) != 0 ? 1 : 0;
}

int indActiveCell::CellIsWarning(int category, int item, int row) {
    return (QueryFlags(category, item, row) & CapsuleFlags::Warning) != 0 ? 1 : 0;
}

void indCellCall::StoreRecord() {
    rec.Encode();
    changeFlags |= ChangeFlags::Record;
}

void indCellCall::SetFontColor(uint32_t color) {
    c.HasFontColor = true;
    c.FontColor = color;
    if (c.Canvas != nullptr) {
        c.Canvas->SetFontColor(color);
    }
}

void indCellCall::SetAlign(int horizontal, int vertical) {
    cell.layoutFlags =
        static_cast<uint8_t>((cell.layoutFlags & ~(kLayoutHAlignMask | kLayoutVAlignMask)) |
                             (horizontal & 3) | ((vertical & 3) << 2));
}

void indCellCall::NotApplicable() {
    c.DisplayText = "----";
    SetFontColor(CellColor::LightGray);
    SetAlign(kAlignCentre, kAlignCentre);
}

void indCellCall::SetMenuBit(uint8_t bit, bool on) {
    cell.stateFlags = static_cast<uint8_t>(on ? (cell.stateFlags | bit) : (cell.stateFlags & ~bit));
}
