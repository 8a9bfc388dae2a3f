#include "indSettingItem.h"

#include <array>

#include "CellNames.h"
#include "indCellCapsule.h"

namespace {

using K = indCodecKind;
using C = indConversion;
using R = indRule;
namespace M = ModelMask;

constexpr indSettingItem Base(int item, indStorage store, indCodecKind codec) {
    indSettingItem s;
    s.item = item;
    s.store = store;
    s.codec = codec;
    return s;
}

constexpr indSettingItem Choice(int item, indStorage store, const char* list) {
    indSettingItem s = Base(item, store, K::Choice);
    s.list = list;
    s.entryKind = Flex0;
    return s;
}

constexpr indSettingItem Integer(int item, indStorage store, int low, int high, int offset = 0) {
    indSettingItem s = Base(item, store, K::Integer);
    s.low = low;
    s.high = high;
    s.offset = offset;
    return s;
}

constexpr indSettingItem Fixed(int item, indStorage store, int storageDecimals, int shownDecimals,
                               double min, double max, int step = 1, bool stepping = true) {
    indSettingItem s = Base(item, store, K::FixedPoint);
    s.storageDecimals = storageDecimals;
    s.shownDecimals = shownDecimals;
    s.min = min;
    s.max = max;
    s.step = step;
    s.stepping = stepping;
    return s;
}

constexpr indSettingItem Timer(int item, indStorage store, int scale, bool offAllowed = false,
                               int trim = 0) {
    indSettingItem s = Base(item, store, K::Timer);
    s.scale = scale;
    s.offAllowed = offAllowed;
    s.trim = trim;
    return s;
}
constexpr bool Off = true;

constexpr indSettingItem MinSec(int item, indStorage store, int lowSeconds, int highSeconds,
                                int stepSeconds) {
    indSettingItem s = Base(item, store, K::MinSec);
    s.low = lowSeconds;
    s.high = highSeconds;
    s.step = stepSeconds;
    return s;
}

// MSK addresses: four digits, 0..4095.
constexpr indSettingItem Address(int item, indStorage store) {
    indSettingItem s = Base(item, store, K::DecimalId);
    s.width = 4;
    s.low = 0;
    s.high = 4095;
    return s;
}

constexpr indSettingItem Sized(int item, indStorage store, indCodecKind codec, int width) {
    indSettingItem s = Base(item, store, codec);
    s.width = width;
    return s;
}

constexpr indSettingItem HexDigit(int item, indStorage store, bool fAllowed) {
    indSettingItem s = Base(item, store, K::HexDigit);
    s.flag = fAllowed;
    return s;
}

// Positions first..last over the field, position first in the field's top bit.
constexpr indSettingItem Flags(int item, indStorage store, int first, int last) {
    indSettingItem s = Base(item, store, K::FlagDigits);
    s.low = first;
    s.high = last;
    return s;
}

constexpr indSettingItem Text(int item, int address, int stride, int length) {
    return Sized(item, StoreArea(address, stride, length), K::RadioText, length);
}

constexpr indSettingItem Tone(int item, bool receive) {
    indSettingItem s = Base(item, StoreRecord(), K::Tone);
    s.flag = receive;
    return s;
}

constexpr indSettingItem FiveTone(int item, indStorage store, bool receive) {
    indSettingItem s = Sized(item, store, K::FiveToneCode, 7);
    s.flag = receive;
    return s;
}

constexpr indSettingItem Special(int item, indStorage store, indRule rule) {
    return Base(item, store, K::Special).Rule(rule);
}

constexpr int Redraw = ChangeFlags::OtherRows;

// Lists used by many items.
constexpr const char* OnOff = "GI_Sheet_Sel_Misc_OnOff";
constexpr const char* OnOff2 = "GI_Sheet_Sel_Misc_OnOff2";
constexpr const char* Enable2 = "GI_Sheet_Sel_Misc_Enable2";
constexpr const char* Enable3 = "GI_Sheet_Sel_Misc_Enable3";
constexpr const char* UserSet = "GI_Sheet_Sel_UserSetEnable";
constexpr const char* Beep = "GI_Sheet_Sel_RxC_Beep";
constexpr const char* Bell = "GI_Sheet_Sel_RxC_Bell";
constexpr const char* Stun = "GI_Sheet_Sel_RxC_Stun";
constexpr const char* Scan = "GI_Sheet_Sel_RxC_Scan";
constexpr const char* SmTr = "GI_Sheet_Sel_KDisp_Key_SmTr";

// Tables shared by several views: 5-tone receive and 2-tone codes use the same
// 9-byte slots and texts; the 2-tone transmit tones are user-tone encode
// slots 0 and 1; the first 2-tone period is the 5-tone long-tone timer byte.
constexpr int Slot = 0x1A20;
constexpr int SlotCode = 0x1A1C;
constexpr int SlotStride = 9;
constexpr int SlotText = 0x2D80;
constexpr int LongToneTimer = 0x00AF;
constexpr int UserToneEncode = 0x0160;

constexpr indSettingItem kItems[] = {
    // ---- MSK address plan
    Special(CL_Msk_AdrRange_Individual, StoreNone(), R::IndividualRange).Models(M::BiisPmr),
    Address(CL_Msk_AdrRange_Group, StoreWord(0x34E0))
        .Rule(R::GroupStart)
        .Change(Redraw)
        .Models(M::BiisPmr),
    Address(CL_Msk_AdrRange_Common, StoreWord(0x34E2)).Models(M::BiisPmr),
    Choice(CL_Msk_AdrRange_CountryCode, StoreByte(0x34E6), "GI_Sheet_Sel_MSK_Country_Code")
        .Models(M::BiisPmr),
    Address(CL_Msk_AdrRange_Killer, StoreWord(0x34E4)).Rule(R::KillerRange).Models(M::BiisPmr),
    // ---- own-ID groups
    Address(CL_Msk_IdGroup_Adr, StoreWord(0x3504, 9))
        .Rule(R::IdGroupRange)
        .Rows(0, 7)
        .Models(M::BiisPmr),
    Text(CL_Msk_IdGroup_Text, 0x354C, 12, 12).Rows(0, 7).Models(M::BiisPmr),
    Choice(CL_Msk_IdGroup_Alert, StoreRange(0x350A, 9, 2, 0), Beep).Rows(0, 7).Models(M::BiisPmr),
    Choice(CL_Msk_IdGroup_Bell, StoreRange(0x350B, 9, 1, 0), "GI_Sheet_Sel_Msk_IdGroup_Bell")
        .Rows(0, 7)
        .Models(M::BiisPmr),
    // ---- call list
    Address(CL_Msk_CallList_Adr, StoreWord(0x3000, 6)).Conv(C::Bcd).Rows(0, 31).Models(M::BiisPmr),
    Flags(CL_Msk_CallList_Digit, StoreRange(0x3004, 6, 7, 4), 1, 4).Rows(0, 31).Models(M::BiisPmr),
    Text(CL_Msk_CallList_Text, 0x30C0, 12, 12).Rows(0, 31).Models(M::BiisPmr),
    Choice(CL_Msk_CallList_Update, StoreBit(0x3004, 6, 0), Enable2).Rows(0, 31).Models(M::BiisPmr),
    Choice(CL_Msk_CallList_Sel, StoreBit(0x3005, 6, 4), Enable2)
        .Conv(C::Inverted)
        .Rows(0, 31)
        .Models(M::BiisPmr),
    // ---- status and short text messages
    Choice(CL_Msk_Msg_Status_Beep, StoreRange(0x35AC, 1, 7, 4), Beep)
        .Rows(0, 23)
        .Models(M::BiisPmr),
    Choice(CL_Msk_Msg_Status_Auto, StoreBit(0x35AC, 1, 3), OnOff2).Rows(0, 23).Models(M::BiisPmr),
    Choice(CL_Msk_Msg_Status_Rriority, StoreBit(0x35AC, 1, 0), "GI_Sheet_Sel_Msk_StatusMessPrio")
        .Rows(0, 23)
        .Models(M::BiisPmr),
    Choice(CL_Msk_Msg_Status_Selection, StoreBit(0x35AC, 1, 1), OnOff2)
        .Rows(0, 23)
        .Models(M::BiisPmr),
    Text(CL_Msk_Msg_Status_Text_Rx, 0x3240, 12, 12).Rows(0, 23).Models(M::BiisPmr),
    Text(CL_Msk_Msg_Status_Text_Tx, 0x3360, 12, 12).Rows(0, 23).Models(M::BiisPmr),
    Text(CL_Msk_Msg_ShortTxtTxMsg_1, 0x3480, 12, 12).Rows(0, 7).Models(M::BiisPmr),
    // ---- MSK timing and errors
    Integer(CL_Msk_TimingErr_NA, StoreByte(0x34E7), 1, 8).Models(M::BiisPmr),
    Integer(CL_Msk_TimingErr_NM, StoreByte(0x34E8), 1, 8).Models(M::BiisPmr),
    Integer(CL_Msk_TimingErr_NR, StoreByte(0x34E9), 1, 8).Models(M::BiisPmr),
    Fixed(CL_Msk_TimingErr_TAC, StoreByte(0x34EB), 2, 2, 0.01, 2.55).Models(M::BiisPmr),
    Integer(CL_Msk_TimingErr_BusyCheck, StoreByte(0x34F1), 0, 255).Models(M::BiisPmr),
    Fixed(CL_Msk_TimingErr_LetAck, StoreByte(0x34EF), 2, 2, 0, 2.55).Models(M::BiisPmr),
    Fixed(CL_Msk_TimingErr_LetCall, StoreByte(0x34F0), 2, 2, 0, 2.55).Models(M::BiisPmr),
    // ---- MSK configuration and GPS
    Choice(CL_Msk_Cfg_Enc_PttCall, StoreBit(0x35CE, 0, 7), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Enc_PreEmphasis, StoreBit(0x35CE, 0, 6), "GI_Sheet_Sel_Msk_PreEmphasis")
        .Models(M::BiisPmr),
    Sized(CL_Msk_Cfg_Enc_SyncvWord, StoreWord(0x35C8), K::HexDigits, 4).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Enc_PttSideTone, StoreRange(0x35CE, 0, 3, 2), "GI_Sheet_Sel_Msk_PttSideTone")
        .Models(M::BiisPmr),
    Fixed(CL_Msk_Cfg_Dec_BeepRepeatTimer, StoreByte(0x35CB), 0, 3, 0, 60).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Dec_MuteMskTone, StoreBit(0x35CE, 0, 5), OnOff).Models(M::BiisPmr),
    Timer(CL_Msk_Cfg_Dec_DurationTimer, StoreByte(0x35CA), 100).Models(M::BiisPmr),
    Address(CL_Msk_Cfg_Status_FixBaseId, StoreWord(0x35C4))
        .Rule(R::AddressSpace)
        .Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Status_Send_PrioA, StoreBit(0x35CF, 0, 1), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Status_Send_Base, StoreBit(0x35CF, 0, 2), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Status_Send_On, StoreBit(0x35CF, 0, 0), Enable3).Models(M::BiisPmr),
    Address(CL_Msk_Cfg_Gps_FixBaseId, StoreWord(0x35C6)).Rule(R::AddressSpace).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_Base, StoreBit(0x35CF, 0, 6), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Auto, StoreBit(0x35CE, 0, 4), Enable3).Models(M::BiisPmr),
    MinSec(CL_Msk_Cfg_Gps_TimeMarker, StoreByte(0x35CC), 0, 3570, 30).Models(M::BiisPmr),
    MinSec(CL_Msk_Cfg_Gps_IntervalTimer, StoreByte(0x35CD), 30, 3570, 30).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_Logoff, StoreBit(0x35CF, 0, 4), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_Status, StoreBit(0x35CF, 0, 3), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_Sdm, StoreBit(0x35CF, 0, 5), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_Emer, StoreBit(0x35CF, 0, 7), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Send_ManDown, StoreBit(0x35D0, 0, 7), Enable3).Models(M::BiisPmr),
    Choice(CL_Msk_Cfg_Gps_Sentence, StoreRange(0x35CE, 0, 1, 0), "GI_Sheet_Sel_Msk_GpsSentence")
        .Models(M::BiisPmr),
    // ---- keys and display
    Base(CL_KDisp_Key_Conv_F0, StoreByte(0x00D4), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_F1, StoreByte(0x00D5), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_F2, StoreByte(0x00D6), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_F3, StoreByte(0x00D7), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_P0, StoreByte(0x00D0), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_P1, StoreByte(0x00D1), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_P2, StoreByte(0x00D2), K::KeyFunction),
    Base(CL_KDisp_Key_Conv_P3, StoreByte(0x00D3), K::KeyFunction),
    Choice(CL_KDisp_Key_SmTr_F0, StoreByte(0x00DC), SmTr),
    Choice(CL_KDisp_Key_SmTr_F1, StoreByte(0x00DD), SmTr),
    Choice(CL_KDisp_Key_SmTr_F2, StoreByte(0x00DE), SmTr),
    Choice(CL_KDisp_Key_SmTr_F3, StoreByte(0x00DF), SmTr),
    Choice(CL_KDisp_Key_SmTr_P0, StoreByte(0x00D8), SmTr),
    Choice(CL_KDisp_Key_SmTr_P1, StoreByte(0x00D9), SmTr),
    Choice(CL_KDisp_Key_SmTr_P2, StoreByte(0x00DA), SmTr),
    Choice(CL_KDisp_Key_SmTr_P3, StoreByte(0x00DB), SmTr),
    Choice(CL_KDisp_Tenkey_Select, StoreBit(0x00CB, 0, 5), "GI_Sheet_Sel_KDisp_Tenkey"),
    Text(CL_KDisp_OpeningText, 0x2E58, 0, 24),
    Choice(CL_KDisp_RotarySel, StoreRange(0x00A1, 0, 3, 2), "GI_Sheet_Sel_KDisp_Rotary")
        .Conv(C::TimesTwo),
    Timer(CL_KDisp_ScrollTimer, StoreByte(0x00CE), 10, Off),
    Choice(CL_KDisp_RfPoSel, StoreBit(0x00A5, 0, 2), "GI_Sheet_Sel_KDisp_RfPwr"),
    Choice(CL_KDisp_MrCode, StoreBit(0x00A1, 0, 1), "GI_Sheet_Sel_KDisp_MrCode"),
    Choice(CL_KDisp_PrioA_SwOn, StoreBit(0x00CB, 0, 4), Enable3),
    Choice(CL_KDisp_PrioA_ClearDown, StoreBit(0x00CA, 0, 7), Enable3),
    // ---- set mode
    Choice(CL_SetM_Backlight, StoreRange(0x00A4, 0, 1, 0), "GI_Sheet_Sel_SetM_Backlight"),
    Choice(CL_SetM_LcdContrast, StoreByte(0x00E0), "GI_Sheet_Sel_SetM_LcdCont"),
    Choice(CL_SetM_BeepOn, StoreBit(0x00E1, 0, 7), OnOff),
    Choice(CL_SetM_BeepLev, StoreBits(0x00E1, 0, {{0, 3, 0, 0}, {0, 6, 6, 4}}),
           "GI_Sheet_Sel_SetM_BeepLev")
        .Conv(C::BeepLevel),
    Integer(CL_SetM_SqlLev, StoreByte(0x00E2), 0, 255),
    Integer(CL_SetM_AFMinLev, StoreByte(0x00E3), 0, 255),
    Choice(CL_SetM_AudioFilt, StoreRange(0x00A4, 0, 3, 2), "GI_Sheet_Sel_SetM_AudioFilt"),
    Choice(CL_SetM_MicGain, StoreByte(0x00E4), "GI_Sheet_Sel_SetM_MicGain"),
    Choice(CL_SetM_VoxGain, StoreRange(0x00E5, 0, 3, 0), "GI_Sheet_Sel_SetM_VoxGain"),
    Choice(CL_SetM_VoxDelay, StoreRange(0x00E5, 0, 7, 4), "GI_Sheet_Sel_SetM_VoxDelay"),
    // ---- user set mode
    Choice(CL_USetM_Backlight, StoreBit(0x0090, 0, 7), UserSet),
    Choice(CL_USetM_LcdContrast, StoreBit(0x0090, 0, 6), UserSet),
    Choice(CL_USetM_BeepOn, StoreBit(0x0090, 0, 5), UserSet),
    Choice(CL_USetM_BeepLev, StoreBit(0x0090, 0, 4), UserSet),
    Choice(CL_USetM_SqlLev, StoreBit(0x0090, 0, 3), UserSet),
    Choice(CL_USetM_AfMinLev, StoreBit(0x0090, 0, 2), UserSet),
    Choice(CL_USetM_AudioFilt, StoreBit(0x0090, 0, 1), UserSet),
    Choice(CL_USetM_MicGain, StoreBit(0x0090, 0, 0), UserSet),
    Choice(CL_USetM_VoxGain, StoreBit(0x0091, 0, 7), UserSet),
    Choice(CL_USetM_VoxDelay, StoreBit(0x0091, 0, 6), UserSet),
    // ---- common settings
    Sized(CL_Comm_UserPassword, StoreArea(0x0080, 0, 2), K::Passcode, 4),
    Sized(CL_Comm_DealerPasscode, StoreArea(0x0082, 0, 3), K::Passcode, 6),
    Choice(CL_Comm_PwrOnPassword, StoreBit(0x00A5, 0, 5), OnOff),
    Choice(CL_Comm_SetModeAccess, StoreBit(0x00A3, 0, 3), "GI_Sheet_Sel_Comm_SetModeAccess"),
    Timer(CL_Comm_AtResetTimer_A, StoreByte(0x00C0), 1, Off),
    Timer(CL_Comm_AtResetTimer_B, StoreByte(0x00C1), 1, Off),
    Timer(CL_Comm_InactiveTimer, StoreByte(0x00C2), 1),
    Timer(CL_Comm_Tot_Timer, StoreByte(0x00BC), 1),
    Choice(CL_Comm_Tot_ID_Out, StoreBit(0x00A3, 0, 5), OnOff),
    Timer(CL_Comm_Tot_PenaltyTimer, StoreByte(0x00BD), 1, Off),
    Choice(CL_Comm_Tot_Beep, StoreBit(0x00A3, 0, 4), OnOff),
    Sized(CL_Comm_CloneComment1, StoreArea(0x0140, 0, 16), K::AsciiText, 16),
    Sized(CL_Comm_CloneComment2, StoreArea(0x0150, 0, 16), K::AsciiText, 16),
    Timer(CL_Comm_LockoutPenaltyTimer, StoreByte(0x00BE), 1, Off),
    Timer(CL_Comm_Ctcss_ReverseBurst, StoreByte(0x00AA), 100, Off),
    Choice(CL_Comm_RS232C_SPPED, StoreRange(0x00CA, 0, 3, 0), "GI_Sheet_Sel_Comm_RS232C_SPEED")
        .Models(M::BiisPmr),
    Choice(CL_Comm_RS232C_Mode, StoreRange(0x00CA, 0, 5, 4), "GI_Sheet_Sel_Comm_RS232C_Mode")
        .Models(M::BiisPmr),
    Timer(CL_Comm_EmerTim_On, StoreByte(0x00B9), 10),
    Timer(CL_Comm_EmerTim_Off, StoreByte(0x00BA), 10),
    Timer(CL_Comm_EmerTim_Start, StoreByte(0x00BB), 1),
    Choice(CL_Comm_EmerTim_Sairen, StoreBit(0x00CC, 0, 7), "GI_Sheet_Sel_Comm_Sairen"),
    Integer(CL_Comm_EmerTim_ReCycle, StoreByte(0x00CD), 1, 8),
    Choice(CL_Comm_Scrm_Type, StoreBit(0x0085, 0, 3), "GI_Sheet_Sel_Comm_Scrm_Type"),
    Choice(CL_Comm_Scrm_SyncCapture, StoreRange(0x0085, 0, 7, 6),
           "GI_Sheet_Sel_Comm_Scrm_SyncCapture"),
    Choice(CL_Comm_Scrm_GroupCode, StoreRange(0x0085, 0, 1, 0), "GI_Sheet_Sel_Comm_Scrm_GroupCode"),
    Choice(CL_Comm_Scrm_TStartTiming, StoreRange(0x0085, 0, 5, 4),
           "GI_Sheet_Sel_Comm_Scrm_ToneStartTiming"),
    Timer(CL_Comm_PwrSave_Timer1, StoreByte(0x00C4), 10),
    Timer(CL_Comm_PwrSave_Timer2, StoreByte(0x00C5), 1),
    Choice(CL_Comm_ManDown_ON, StoreBit(0x00A2, 0, 4), OnOff).Models(M::AnyPmr),
    Timer(CL_Comm_ManDown_Timer, StoreByte(0x00C6), 10).Models(M::AnyPmr),
    Timer(CL_Comm_ManDown_TS1, StoreByte(0x34EC), 10).Models(M::AnyPmr),
    Timer(CL_Comm_ManDown_TS2, StoreByte(0x34ED), 10).Models(M::AnyPmr),
    Timer(CL_Comm_ManDown_TS3, StoreByte(0x34EE), 10).Models(M::AnyPmr),
    Choice(CL_Comm_ManDown_Sairen, StoreBit(0x00CC, 0, 6), "GI_Sheet_Sel_Comm_Sairen")
        .Models(M::AnyPmr),
    Integer(CL_Comm_ManDown_ReCycle, StoreByte(0x34EA), 1, 8).Models(M::AnyPmr),
    Choice(CL_Comm_TRDataOut, StoreBit(0x00A3, 0, 2), "GI_Sheet_Sel_Comm_SetModeAccess")
        .Models(M::BiisPmr),
    // ---- extended settings
    Fixed(CL_Exp_UserCtcss, StoreWord(0x01DA), 1, 1, 60.0, 300.0, 1, false).Conv(C::UserCtcss),
    Integer(CL_Exp_BeepFreq_Low, StoreByte(0x0093), 400, 3000).Conv(C::BeepHz),
    Integer(CL_Exp_BeepFreq_High, StoreByte(0x0094), 400, 3000).Conv(C::BeepHz),
    Choice(CL_Exp_DtcsInv_Tx, StoreBit(0x00A1, 0, 7), "GI_Sheet_Sel_Exp_DtcsInv"),
    Choice(CL_Exp_DtcsInv_Rx, StoreBit(0x00A1, 0, 6), "GI_Sheet_Sel_Exp_DtcsInv"),
    Choice(CL_Exp_RxAf_Filter, StoreBit(0x00A2, 0, 2), "GI_Sheet_Sel_Exp_AfFilter"),
    // ---- user characters
    Base(CL_CEdit, StoreArea(0x1800, 22, 22), K::Glyph).Rows(0, 15),
    // ---- DTMF memories
    Special(CL_Dtmf_ChNo, StoreNone(), R::DtmfSlotName).Rows(0, 7),
    Sized(CL_Dtmf_Code, StoreArea(0x0378, 13, 12, 12), K::DtmfCode, 24).Rows(0, 7),
    Text(CL_Dtmf_Text, 0x2E70, 24, 24).Rows(0, 7),
    Timer(CL_Dtmf_DtmfTimer, StoreByte(0x00B1), 100),
    Timer(CL_Dtmf_FirstTimer, StoreByte(0x00B2), 100),
    Timer(CL_Dtmf_MarkTimer, StoreByte(0x00B3), 100),
    // ---- tone pairs and scan lists
    Tone(CL_CTone_RX, true).Rows(0, 8),
    Tone(CL_CTone_TX, false).Rows(0, 8),
    Choice(CL_ScanList_ScanMode, StoreBits(0x0240, 34, {{0, 5, 5, 5}, {0, 1, 0, 0}}),
           "GI_Sheet_Sel_ScanMode")
        .Rows(0, 9),
    Text(CL_ScanList_Text, 0x1F00, 24, 24).Rows(0, 9),
    Choice(CL_ScanList_DispText, StoreBit(0x0240, 34, 7), OnOff2).Rows(0, 9),
    Choice(CL_ScanList_PwrSave, StoreBit(0x0240, 34, 4), OnOff2).Rows(0, 9),
    Timer(CL_ScanComm_StopTimer, StoreByte(0x00B5), 10),
    Timer(CL_ScanComm_ResumeTimer, StoreByte(0x00B6), 10),
    Timer(CL_ScanComm_ScanTimer_Fast, StoreByte(0x00A8), 1000),
    Timer(CL_ScanComm_ScanTimer_Slow, StoreByte(0x00A9), 100),
    Choice(CL_ScanComm_PwrOnScan, StoreBit(0x00A3, 0, 7), OnOff),
    Choice(CL_ScanComm_AutoChCall_PmrOnly, StoreBit(0x00A2, 0, 1), OnOff).Models(M::AnyPmr),
    // ---- 2-tone receive codes (row 0: the common slot) and transmit common
    Fixed(CL_2T_RxFreq_1st, StoreWord(0x0176, 8), 1, 1, 250.5, 3300.0, 5)
        .Rule(R::TwoToneWindow)
        .Rows(1, 3)
        .Models(M::Lmr),
    Fixed(CL_2T_RxFreq_2nd, StoreWord(0x017A, 8), 1, 1, 250.5, 3300.0, 5)
        .Rule(R::TwoToneWindow)
        .Rows(1, 3)
        .Models(M::Lmr),
    Text(CL_2T_Text, SlotText, 24, 24).Rows(0, 3).Models(M::Lmr),
    Choice(CL_2T_Bell, StoreRange(Slot + 3, SlotStride, 1, 0), Bell).Rows(0, 3).Models(M::Lmr),
    Choice(CL_2T_ANS, StoreByte(Slot + 1, SlotStride), OnOff2)
        .Conv(C::NonZero)
        .Rows(0, 3)
        .Models(M::Lmr),
    Choice(CL_2T_Beep, StoreRange(Slot + 2, SlotStride, 2, 0), Beep).Rows(0, 3).Models(M::Lmr),
    Choice(CL_2T_AutoTx, StoreBit(Slot + 3, SlotStride, 5), OnOff2).Rows(1, 3).Models(M::Lmr),
    Choice(CL_2T_Stun, StoreRange(Slot + 3, SlotStride, 4, 3), Stun).Rows(0, 3).Models(M::Lmr),
    Choice(CL_2T_Scan, StoreRange(Slot + 2, SlotStride, 5, 4), Scan).Rows(0, 3).Models(M::Lmr),
    Fixed(CL_2T_NotoneTimer, StoreByte(0x01C3), 2, 3, 0.02, 0.3, 2).Models(M::Lmr),
    Timer(CL_2T_GroupTimer, StoreByte(0x00B4), 10).Models(M::Lmr),
    Fixed(CL_2T_BeepRepeatTimer, StoreByte(0x00BF), 0, 3, 0, 60).Models(M::Lmr),
    Timer(CL_2T_AutoTxTimer, StoreByte(0x00C3), 1).Models(M::Lmr),
    Choice(CL_2T_Code_Type, StoreByte(SlotCode, SlotStride), "GI_Sheet_Sel_2TRxC_Group")
        .Rows(1, 3)
        .Models(M::Lmr),
    Choice(CL_2TTx_Code_Type, StoreByte(0x1960), "GI_Sheet_Sel_2TRxC_Type")
        .Conv(C::NotFifteen)
        .Models(M::Lmr),
    Fixed(CL_2TTx_Freq_1st, StoreWord(UserToneEncode), 0, 1, 250.0, 3300.0)
        .Conv(C::ToneCodeHz)
        .Models(M::Lmr),
    Timer(CL_2T_1st_Period, StoreByte(LongToneTimer), 10, false, 2).Models(M::Lmr),
    Fixed(CL_2TTx_Freq_2nd, StoreWord(UserToneEncode + 2), 0, 1, 250.0, 3300.0)
        .Conv(C::ToneCodeHz)
        .Models(M::Lmr),
    Timer(CL_2T_2nd_Period, StoreByte(0x01BA), 10, false, 2).Models(M::Lmr),
    // ---- 5-tone receive codes (row 0: the common slot)
    FiveTone(CL_5TRx_RxCode, StoreArea(SlotCode, SlotStride, 4, Slot - SlotCode), true)
        .Rows(1, 8)
        .Models(M::AnyPmr),
    Text(CL_5TRx_Text, SlotText, 24, 24).Rows(0, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_IdDec, StoreBit(Slot + 3, SlotStride, 6), OnOff2).Rows(0, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_Bell, StoreRange(Slot + 3, SlotStride, 1, 0), Bell).Rows(0, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_EmerCancel, StoreBit(Slot + 4, SlotStride, 7), OnOff2)
        .Rows(0, 8)
        .Models(M::AnyPmr),
    Base(CL_5TRx_Abc, StoreByte(Slot + 1, SlotStride), K::AbcCode).Rows(1, 8).Models(M::AnyPmr),
    // The receive record keeps no EXO bit: the cell shows that it does not apply.
    Special(CL_5TRx_Exo, StoreNone(), R::Inert).Models(M::AnyPmr),
    Choice(CL_5TRx_Beep, StoreRange(Slot + 2, SlotStride, 2, 0), Beep).Rows(0, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_AutoTx, StoreBit(Slot + 3, SlotStride, 5), OnOff2).Rows(1, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_Aud, StoreRange(Slot + 2, SlotStride, 7, 6), "GI_Sheet_Sel_RxC_Aud")
        .Rows(0, 8)
        .Models(M::AnyPmr),
    Choice(CL_5TRx_Stun, StoreRange(Slot + 3, SlotStride, 4, 3), Stun).Rows(0, 8).Models(M::AnyPmr),
    Choice(CL_5TRx_Scan, StoreRange(Slot + 2, SlotStride, 5, 4), Scan).Rows(0, 8).Models(M::AnyPmr),
    Timer(CL_5TRx_LinkATimer, StoreByte(0x00AE), 100).Models(M::AnyPmr),
    // A whole byte of positions 1..7: the codec's placement puts position 1 in bit 6.
    Flags(CL_5TRx_CompareDigit, StoreRange(0x009C, 0, 6, 0), 1, 7).Models(M::AnyPmr),
    Timer(CL_5TRx_IdDecodeTimer, StoreByte(0x00B7), 10).Models(M::AnyPmr),
    Fixed(CL_5TRx_BeepRepeatTimer, StoreByte(0x00BF), 0, 3, 0, 60).Models(M::AnyPmr),
    Timer(CL_5TRx_AutoTxTimer, StoreByte(0x00C3), 1).Models(M::AnyPmr),
    // ---- 5-tone transmit codes
    FiveTone(CL_5TTx_TxCode, StoreArea(0x1960, 6, 4), false).Rows(0, 31).Models(M::AnyPmr),
    Flags(CL_5TTx_InputDigit, StoreRange(0x1964, 6, 7, 1), 1, 7).Rows(0, 31).Models(M::AnyPmr),
    Text(CL_5TTx_Text, 0x2C00, 12, 12).Rows(0, 31).Models(M::AnyPmr),
    Choice(CL_5TTx_Update, StoreBit(0x1964, 6, 0), OnOff2).Rows(0, 31).Models(M::AnyPmr),
    Choice(CL_5TTx_AbcDec, StoreBit(0x1965, 6, 7), OnOff2).Rows(0, 31).Models(M::AnyPmr),
    Choice(CL_5TTx_AbcAud, StoreBit(0x1965, 6, 6), OnOff2).Rows(0, 31).Models(M::AnyPmr),
    Choice(CL_5TTx_Sel, StoreBit(0x1965, 6, 4), OnOff2)
        .Conv(C::Inverted)
        .Rows(0, 31)
        .Models(M::AnyPmr),
    Timer(CL_5TTx_LongToneTimer, StoreByte(LongToneTimer), 100).Models(M::AnyPmr),
    Timer(CL_5TTx_LinkRTimer, StoreByte(0x00AB), 100).Models(M::AnyPmr),
    Timer(CL_5TTx_Link1Timer, StoreByte(0x00AC), 100).Models(M::AnyPmr),
    Timer(CL_5TTx_Link2Timer, StoreByte(0x00AD), 100).Models(M::AnyPmr),
    Timer(CL_5TTx_LeadOutDelayTimer, StoreByte(0x00B0), 100).Models(M::AnyPmr),
    Timer(CL_5TTx_AbcDecTimer, StoreByte(0x00B8), 10).Models(M::AnyPmr),
    // Positions 1..7 in bits 6-0, as the compare digits.
    Flags(CL_5TTx_DispDigit, StoreRange(0x009B, 0, 6, 0), 1, 7).Models(M::AnyPmr),
    HexDigit(CL_5TTx_SpTone_Group, StoreByte(0x009D), false).Models(M::AnyPmr),
    HexDigit(CL_5TTx_SpTone_Repeat, StoreByte(0x009E), false).Models(M::AnyPmr),
    HexDigit(CL_5TTx_SpTone_Link2, StoreByte(0x009F), true).Models(M::AnyPmr),
    Choice(CL_5TTx_PTTCallIna, StoreBit(0x00A3, 0, 6), OnOff).Models(M::AnyPmr),
    // ---- user tones (row 15: the common row of the periods)
    Fixed(CL_UTone_Encode, StoreWord(UserToneEncode, 2), 0, 1, 400.0, 3000.0)
        .Conv(C::ToneCodeHz)
        .Rule(R::EncodeWindow)
        .Rows(0, 14)
        .Models(M::AnyPmr),
    Fixed(CL_UTone_Dec_Low, StoreWord(0x017E, 4), 0, 1, 400.0, 3000.0)
        .Rule(R::DecodeOrder)
        .Rows(0, 14)
        .Models(M::AnyPmr),
    Fixed(CL_UTone_Dec_High, StoreWord(0x0180, 4), 0, 1, 400.0, 3000.0)
        .Rule(R::DecodeOrder)
        .Rows(0, 14)
        .Models(M::AnyPmr),
    Fixed(CL_UTone_TonePeriod, StoreByte(0x01BA, 1).At(15, 0x01D5), 3, 3, 0, 0.255)
        .Rows(0, 15)
        .Models(M::AnyPmr),
    Fixed(CL_UTone_NotoneTimer, StoreByte(0x01C3, 1).At(15, 0x01D6), 2, 3, 0.02, 0.3, 2)
        .Rows(0, 15)
        .Models(M::AnyPmr),
    Base(CL_UTone_Length, StoreByte(0x01CC, 1), K::ToneLength).Rows(0, 14).Models(M::AnyPmr),
    // ---- maker settings
    Choice(CL_Maker_SqlDelay_Op, StoreBit(0x000B, 0, 7), "GI_Sheet_Sel_Misc_OnOff_I"),
    Timer(CL_Maker_SqlDelay_ResetTimer, StoreByte(0x001A), 1000),
    Timer(CL_Maker_Sql_SigDetTimer, StoreByte(0x0018), 1000),
    Timer(CL_Maker_Sql_NoiseDetTimer, StoreByte(0x0019), 1000),
    Choice(CL_Maker_CtcssTone_Burst, StoreBit(0x00A2, 0, 3), "GI_Sheet_Sel_Maker_ToneBurst"),
    Integer(CL_Maker_CtcssDec_Attack, StoreByte(0x0020), 0, 255),
    Integer(CL_Maker_CtcssDec_Release, StoreByte(0x0021), 0, 255),
    Integer(CL_Maker_CtcssDec_PS, StoreByte(0x0022), 0, 255),
    Choice(CL_Maker_Dtcs_TxPolar, StoreBit(0x000B, 0, 6), "GI_Sheet_Sel_Maker_DtcsPolar"),
    Choice(CL_Maker_Dtcs_RxPolar, StoreBit(0x000B, 0, 5), "GI_Sheet_Sel_Maker_DtcsPolar"),
    Integer(CL_Maker_Dtcs_Decode, StoreByte(0x0023), 1, 12, 11),
    Timer(CL_Maker_PwrOffTimer, StoreByte(0x0015), 100),
    Timer(CL_Maker_ON_Timer1, StoreByte(0x0016), 100),
    Timer(CL_Maker_ON_Timer2, StoreByte(0x0017), 100),
    Choice(CL_Maker_MchPitch, StoreBit(0x000C, 0, 7), "GI_Sheet_Sel_Maker_MchPitch"),
    Fixed(CL_Maker_IfFreq, StoreArea(0x002A, 0, 4), 6, 4, -99.975, 99.975, 25000, false)
        .Conv(C::SignMagnitude),
    Choice(CL_Maker_Pll_Type, StoreBit(0x000B, 0, 0), "GI_Sheet_Sel_Maker_IcType")
        .Rule(R::PllType)
        .Change(Redraw),
    Choice(CL_Maker_Pll_Reference, StoreBits(0x000B, 0, {{0, 4, 4, 2}, {0, 2, 1, 0}}),
           "GI_Sheet_Sel_Maker_PllRef")
        .Rule(R::PllReference),
    Timer(CL_Maker_Pll_TxFastTimer, StoreByte(0x001B), 1000),
    Timer(CL_Maker_Pll_RxFastTimer, StoreByte(0x001C), 1000),
    Timer(CL_Maker_MuteTimer_Tx, StoreByte(0x001D), 1000),
    Timer(CL_Maker_MuteTimer_Rx, StoreByte(0x001E), 1000),
    Choice(CL_Maker_SetModeAccess, StoreBit(0x000B, 0, 3), "GI_Sheet_Sel_Misc_Enable"),
};

// Item id -> place in kItems (or -1).
const std::array<int16_t, kCellItemCount>& IndexById() {
    static const std::array<int16_t, kCellItemCount> index = [] {
        std::array<int16_t, kCellItemCount> out{};
        out.fill(-1);
        for (size_t i = 0; i < std::size(kItems); ++i) {
            out[static_cast<size_t>(kItems[i].item)] = static_cast<int16_t>(i);
        }
        return out;
    }();
    return index;
}

}  // namespace

std::span<const indSettingItem> SettingItems() {
    return kItems;
}

const indSettingItem* FindSettingItem(int item) {
    if (item < 0 || item >= kCellItemCount) {
        return nullptr;
    }
    const int i = IndexById()[static_cast<size_t>(item)];
    return i < 0 ? nullptr : &kItems[i];
}

int SettingAddress(const indSettingItem& s, int row) {
    if (row == s.store.altRow) {
        return s.store.altAddress;
    }
    return s.store.layout.Address(row, 0);
}
