// The items of a memory channel row: every column of a channel-bank sheet.

#include <algorithm>
#include <cstdio>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChEvents.h"
#include "ChannelMarks.h"
#include "Codec.h"
#include "EventIds.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "indActiveCell.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

// When a cell of the column applies to the channel; otherwise it shows "----".
enum class Applies {
    Always,
    Form,  // not BIIS, or BIIS with the extension bit, or not a BiisPmr radio
    Pos,   // not BIIS, or not a BiisPmr radio
    Msk,   // BIIS, or not a BiisPmr radio
};

bool Applicable(const indCellCall& call, Applies a) {
    const bool biisModel = call.model == ModelBiisPmr;
    switch (a) {
        case Applies::Always:
            return true;
        case Applies::Form:
            return call.notBiis || (call.biisExt && call.isBiis) || !biisModel;
        case Applies::Pos:
            return call.notBiis || !biisModel;
        case Applies::Msk:
            return call.isBiis || !biisModel;
    }
    return true;
}

// A column that chooses a record field from an overlay list. listLmr, when
// given, is the list of Lmr radios.
struct ChoiceColumn {
    int item;
    datField field;
    const char* list;
    const char* listLmr;
    int entryKind;
    int changeFlags;
    Applies applies;
};

constexpr int Redraw = ChangeFlags::OtherRows;

constexpr ChoiceColumn kChoiceColumns[] = {
    {CL_Mch_Inh, datField::RxInhibit, "GI_Sheet_Sel_Mch_ChInh", nullptr, Flex0, 0, Applies::Always},
    {CL_Mch_TxInh, datField::TxInhibit, "GI_Sheet_Sel_Mch_CH_TxInh", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_Nar, datField::Narrow, "GI_Sheet_Sel_Mch_Nar", nullptr, Flex0, 0, Applies::Always},
    {CL_Mch_Compander, datField::Compander, "GI_Sheet_Sel_Misc_OnOff2", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_PwrSave, datField::PowerSave, "GI_Sheet_Sel_Misc_OnOff2", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_Tot, datField::TimeOutTimer, "GI_Sheet_Sel_Misc_OnOff2", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_RfPo, datField::OutputPower, "GI_Sheet_Sel_Mch_RfPwr", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_Lockout, datField::Lockout, "GI_Sheet_Sel_Mch_Lockout_Pmr",
     "GI_Sheet_Sel_Mch_Lockout_Lmr", Flex0, 0, Applies::Always},
    {CL_Mch_AutoReset, datField::AutoReset, "GI_Sheet_Sel_Mch_AutoReset_Pmr",
     "GI_Sheet_Sel_Mch_AutoReset_Lmr", Flex0, 0, Applies::Always},
    {CL_Mch_Log, datField::Log, "GI_Sheet_Sel_Mch_Log_Pmr", "GI_Sheet_Sel_Mch_Log_Lmr", Flex0, 0,
     Applies::Always},
    {CL_Mch_Scan_Inc, datField::ScanIncrement, "GI_Sheet_Sel_Mch_ScanInc", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_Scrm_On, datField::ScramblerMode, "GI_Sheet_Sel_Mch_ScramOn", nullptr, Flex0, 0,
     Applies::Always},
    {CL_Mch_Moni, datField::Monitor, "GI_Sheet_Sel_Mch_Moni", nullptr, FlexMark, Redraw,
     Applies::Always},
    {CL_Mch_Sel, datField::SelectiveCall, "GI_Sheet_Sel_Mch_Sel", nullptr, FlexMark, Redraw,
     Applies::Always},
    {CL_Mch_Call, datField::Call, "GI_Sheet_Sel_Mch_Call", nullptr, FlexMark, Redraw,
     Applies::Always},
    {CL_Mch_PTT, datField::Ptt, "GI_Sheet_Sel_Mch_Ptt", nullptr, FlexMark, Redraw, Applies::Always},
    {CL_Mch_CH_Mute, datField::ChannelMute, "GI_Sheet_Sel_Mch_ChMute", nullptr, FlexMark, Redraw,
     Applies::Always},
    {CL_Mch_Form, datField::Format, "GI_Sheet_Sel_Mch_Form", nullptr, Flex0, 0, Applies::Form},
    {CL_Mch_Rpt_L, datField::RepeaterLong, "GI_Sheet_Sel_Mch_LTone", nullptr, Flex0, 0,
     Applies::Form},
    {CL_Mch_Stn_L, datField::StationLong, "GI_Sheet_Sel_Mch_LTone", nullptr, Flex0, 0,
     Applies::Form},
    {CL_Mch_Id_L, datField::IdLong, "GI_Sheet_Sel_Mch_LTone", nullptr, Flex0, 0, Applies::Form},
    {CL_Mch_Pos, datField::Position, "GI_Sheet_Sel_Mch_Pos", nullptr, Flex0, 0, Applies::Pos},
    {CL_Mch_Msk_Sig, datField::Biis, "GI_Sheet_Sel_Mch_Msk_Signal_Pmr", nullptr, Flex0, Redraw,
     Applies::Always},
    {CL_Mch_Msk_SendStatus, datField::MskSendStatus, "GI_Sheet_Sel_Mch_SendStatus", nullptr,
     FlexMark, Redraw, Applies::Always},
};

// A column whose entries may also be typed as numbers.
struct TypedColumn {
    int item;
    datField field;
    const char* list;
    int entryKind;
    Applies applies;
};

constexpr TypedColumn kTypedColumns[] = {
    {CL_Mch_2Tone, datField::TwoToneCode, "GI_Sheet_Sel_Mch_2Tone", Flex0, Applies::Always},
    {CL_Mch_Rpt_C, datField::RepeaterCode, "GI_Sheet_Sel_RxC_AbcCode", Flex1, Applies::Form},
    {CL_Mch_Stn_C, datField::StationCode, "GI_Sheet_Sel_RxC_AbcCode", Flex1, Applies::Form},
    {CL_Mch_Id_C, datField::IdCode, "GI_Sheet_Sel_RxC_AbcCode", Flex1, Applies::Form},
    {CL_Mch_Msk_Stn, datField::StationCode, "GI_Sheet_Sel_Mch_Msk_ID", Flex0, Applies::Msk},
};

// A column of flag digits over some bits of a record field (other bits kept).
struct FlagColumn {
    int item;
    datField field;
    int first;
    int last;
    int mode;
    Applies applies;
};

constexpr FlagColumn kFlagColumns[] = {
    {CL_Mch_Scan, datField::ScanLists, 1, 10, 2, Applies::Always},
    {CL_Mch_RxCNo, datField::RxCodeSet, 1, 8, 0, Applies::Pos},
    {CL_Mch_RxCNo2, datField::RxCodeSet, 1, 3, 2, Applies::Always},
    {CL_Mch_Msk_RxCNo, datField::RxCodeSet, 1, 7, 0, Applies::Msk},
};

template <typename Column, size_t N>
const Column* Find(const Column (&columns)[N], int item) {
    for (const Column& col : columns) {
        if (col.item == item) {
            return &col;
        }
    }
    return nullptr;
}

void ChoiceItem(indCellCall& call) {
    const ChoiceColumn& col = *Find(kChoiceColumns, call.item);
    if (!Applicable(call, col.applies)) {
        call.NotApplicable();
        return;
    }
    const char* list = call.model == ModelLmr && col.listLmr != nullptr ? col.listLmr : col.list;
    int32_t value = call.rec.Get(col.field);
    if (Codec::SelectChoice(call.c, call.ctx.Lists(), list, col.entryKind, value, call.pending) !=
        0) {
        call.rec.Set(col.field, value);
        call.StoreRecord();
        call.changeFlags |= col.changeFlags;
    }
    call.c.Flags |=
        ChannelMarks::ChannelMarkFlags(call.item, call.rec.Get(col.field), call.isBiis, call.model);
    if (call.item == CL_Mch_Msk_SendStatus && call.model == ModelBiisPmr && !call.isBiis) {
        call.SetFontColor(CellColor::LightGray);
    }
}

void TypedItem(indCellCall& call) {
    const TypedColumn& col = *Find(kTypedColumns, call.item);
    if (!Applicable(call, col.applies)) {
        call.NotApplicable();
        return;
    }
    int32_t value = call.rec.Get(col.field);
    if (Codec::SelectTypedChoice(call.c, call.ctx.Lists(), call.ctx.Texts(), col.list,
                                 col.entryKind, value, Codec::MatchMode::Numeric,
                                 call.pending) != 0) {
        call.rec.Set(col.field, value);
        call.StoreRecord();
    }
}

void FlagItem(indCellCall& call) {
    const FlagColumn& col = *Find(kFlagColumns, call.item);
    if (!Applicable(call, col.applies)) {
        call.NotApplicable();
        return;
    }
    const int n = col.last - col.first + 1;
    const int32_t mask = (1 << n) - 1;
    const int32_t stored = call.rec.Get(col.field);
    int32_t bits = stored & mask;
    if (Codec::EditFlagDigits(call.c, bits, col.first, col.last, col.mode, "", call.pending) != 0) {
        call.rec.Set(col.field, (stored & ~mask) | (bits & mask));
        call.StoreRecord();
    }
}

void NumberItem(indCellCall& call) {
    if (call.newChannelRow) {
        call.c.DisplayText = call.ctx.Texts().GetText("GI_NewChTitle");
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d-%3d", call.bank + 1, call.row - call.bankFirst + 1);
    call.c.DisplayText = buf;
}

// A key that starts a frequency on the entry row appends a channel to the bank first.
bool StartsNewChannel(const indCellCapsule& c) {
    return c.EditResult == indEditResult::EditorText || c.Key == Keys::Space ||
           c.Key == Keys::Backspace || c.Key == '.' || Codec::IsDigitKey(c.Key) ||
           c.Key == Keys::Enter;
}

bool AppendChannel(indCellCall& call) {
    if (TotalChannels(call.image) > 255) {
        CurrentMessageBoxHost().Show(call.ctx.Texts().GetText("GI_Sys_AppTitle"),
                                     call.ctx.Texts().GetLines("GI_AppMess_ChErr_Overflow"),
                                     cmcMbButtons::Ok, cmcMbIcon::Stop);
        return false;
    }
    const int row = call.bankFirst + call.bankCount;
    EvMan().Send(EventIds::InsertChannel, ChEvent::BankObject(call.bank), row);
    // The main window has inserted it (InsertChannel); read the bank again.
    call.bankCount = BankCount(call.image, call.bank);
    call.bankLast = call.bankFirst + call.bankCount - 1;
    if (row > call.bankLast) {
        return false;
    }
    call.row = row;
    call.newChannelRow = false;
    call.rec.Decode(call.kind, row);
    call.rec.SetUsed(false);
    call.changeFlags |= ChangeFlags::RowStructure;
    return true;
}

void FrequencyItem(indCellCall& call) {
    const bool transmit = call.item == CL_Mch_FreqT;
    if (!transmit && call.newChannelRow) {
        if (!call.Editable() || !StartsNewChannel(call.c) || !AppendChannel(call)) {
            call.c.DisplayText.clear();
            return;
        }
    }
    if (Codec::EditFrequency(call.c, call.rec, transmit, call.pending) != 0) {
        call.StoreRecord();
        call.changeFlags |= ChangeFlags::OtherRows;
        EvMan().Post(EventIds::RowChanged, nullptr, call.row);
    }
    if (transmit && (call.rec.Inhibit() & datCh::InhibitTx) != 0) {
        call.SetFontColor(CellColor::LightGray);
    }
}

void ToneItem(indCellCall& call) {
    const bool transmit = call.item == CL_Mch_CTone_T;
    if (Codec::EditTone(call.c, call.ctx.Lists(), call.ctx.Texts(), call.rec, transmit,
                        call.pending) != 0) {
        call.StoreRecord();
    }
}

void TextItem(indCellCall& call) {
    constexpr int NameLength = 12;
    if (Codec::EditRadioText(call.c, call.rec.Text(), NameLength, call.pending) != 0) {
        call.StoreRecord();
    }
}

void ScramblerCodeItem(indCellCall& call) {
    Codec::IntegerOptions o;
    o.low = 1;
    o.high = 255;
    int32_t value = call.rec.Get(datField::ScramblerCode);
    if (Codec::EditInteger(call.c, value, o, call.pending) != 0 &&
        value != call.rec.Get(datField::ScramblerCode)) {
        call.rec.Set(datField::ScramblerCode, value);
        call.StoreRecord();
    }
}

// The MSK repeater: a code, or 255 for none (kept in the extension bit).
void MskRepeaterItem(indCellCall& call) {
    if (!Applicable(call, Applies::Msk)) {
        call.NotApplicable();
        return;
    }
    constexpr int32_t None = 255;
    const bool none = call.rec.Get(datField::BiisExt) != 0;
    int32_t value = none ? None : call.rec.Get(datField::RepeaterCode);
    const int32_t old = value;
    Codec::SelectTwoLists(call.c, call.ctx.Lists(), call.ctx.Texts(),
                          "GI_Sheet_Sel_Mch_Msk_Rpt_1st_Pmr", "GI_Sheet_Sel_Mch_Msk_Rpt_2nd", value,
                          call.pending);
    if (value != old) {
        call.rec.Set(datField::BiisExt, value == None ? 1 : 0);
        if (value != None) {
            call.rec.Set(datField::RepeaterCode, value);
        }
        call.StoreRecord();
    }
}

// Attributes: priority A and B, emergency, the bank's SmarTrunk flag.
void AttributeItem(indCellCall& call) {
    indCellCapsule& c = call.c;
    uint8_t attr = call.rec.Attr();
    int32_t row = 0;
    if (Codec::PopupAnswer(c, Flex0, row)) {
        switch (row) {
            case 1:
                attr |= datCh::AttrPriorityA;
                break;
            case 2:
                attr |= datCh::AttrPriorityB;
                break;
            case 3:
                attr = static_cast<uint8_t>((attr | datCh::AttrEmergency) &
                                            ~datCh::AttrEmergencyDisabled);
                break;
            case 4:
                attr = static_cast<uint8_t>((attr | datCh::AttrEmergencyDisabled) &
                                            ~datCh::AttrEmergency);
                break;
            case 5:
                attr ^= datCh::AttrBankSmarTrunk;
                break;
            default:
                break;
        }
    } else if (call.Editable() && c.EditResult == indEditResult::Key && c.Key == Keys::Enter) {
        c.Popup =
            indPopupRequest{indPopupRequest::Kind::ChoiceList, "GI_Sheet_Sel_Mch_Atr", Flex0, 0};
        call.pending = indPending::Popup;
    }
    if (attr != call.rec.Attr()) {
        call.rec.SetAttr(attr);
        call.StoreRecord();
        call.rec.Reload();
        call.changeFlags |= ChangeFlags::RowStructure;
        EvMan().Post(EventIds::TreeMarks, nullptr, 0);
        EvMan().Post(EventIds::BankSheetRefresh, nullptr, 0);
    }
    const uint8_t shown = call.rec.Attr();
    std::string text;
    if ((shown & datCh::AttrPriorityA) != 0) {
        text += "A";
    }
    if ((shown & datCh::AttrPriorityB) != 0) {
        text += "B";
    }
    if ((shown & datCh::AttrEmergency) != 0 && (shown & datCh::AttrEmergencyDisabled) == 0) {
        text += "E";
    }
    Codec::Show(c, text);
}

}  // namespace

void RegisterChannelItems(indItemFn* table) {
    for (const ChoiceColumn& col : kChoiceColumns) {
        table[col.item] = &ChoiceItem;
    }
    for (const TypedColumn& col : kTypedColumns) {
        table[col.item] = &TypedItem;
    }
    for (const FlagColumn& col : kFlagColumns) {
        table[col.item] = &FlagItem;
    }
    table[CL_Mch_No] = &NumberItem;
    table[CL_Mch_Atr] = &AttributeItem;
    table[CL_Mch_FreqR] = &FrequencyItem;
    table[CL_Mch_FreqT] = &FrequencyItem;
    table[CL_Mch_CTone_R] = &ToneItem;
    table[CL_Mch_CTone_T] = &ToneItem;
    table[CL_Mch_Text] = &TextItem;
    table[CL_Mch_Scrm_Code] = &ScramblerCodeItem;
    table[CL_Mch_Msk_Rpt] = &MskRepeaterItem;
}
