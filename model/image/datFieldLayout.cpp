#include "datFieldLayout.h"

#include "ChLayout.h"

namespace {

using F = datField;

template <size_t A, size_t B>
constexpr std::array<datFieldLayout, A + B> Join(const std::array<datFieldLayout, A>& a,
                                                 const std::array<datFieldLayout, B>& b) {
    std::array<datFieldLayout, A + B> out{};
    for (size_t i = 0; i < A; ++i) {
        out[i] = a[i];
    }
    for (size_t i = 0; i < B; ++i) {
        out[A + i] = b[i];
    }
    return out;
}

// Receive and transmit tone as packed in three bytes from offset (channel B6-B8, tone pairs).
constexpr std::array<datFieldLayout, 8> ToneFields(datBlock b, int off) {
    return {b.Bit(F::RxToneOff, off, 7),
            b.Bit(F::RxDtcs, off, 6),
            b.Bit(F::RxInverted, off, 5),
            b.Bits(F::RxCode, {{off, 4, 4, 8}, {off, 3, 0, 4}, {off + 1, 7, 4, 0}}),
            b.Bit(F::TxToneOff, off + 1, 3),
            b.Bit(F::TxDtcs, off + 1, 2),
            b.Bit(F::TxInverted, off + 1, 1),
            b.Bits(F::TxCode, {{off + 1, 0, 0, 8}, {off + 2, 7, 0, 0}})};
}

constexpr datBlock Ch{ChLayout::ChannelBase, ChLayout::ChannelSize};
constexpr datBlock ChName{ChLayout::NameBase, ChLayout::NameSize};
constexpr datBlock Absolute{0, 0};

constexpr std::array<datFieldLayout, 30> ChannelOwn = {
    Ch.Bit(F::RxInhibit, 0, 7),
    Ch.Bits(F::RxSteps, {{0, 6, 0, 16}, {1, 7, 0, 8}, {2, 7, 0, 0}}),
    Ch.Bit(F::TxInhibit, 3, 7),
    Ch.Bits(F::TxSteps, {{3, 6, 0, 16}, {4, 7, 0, 8}, {5, 7, 0, 0}}),
    Ch.Bit(F::PowerSave, 9, 7),
    Ch.Bits(F::Monitor, {{9, 6, 6, 0}, {10, 3, 3, 1}, {11, 5, 4, 2}}),
    Ch.Bit(F::TimeOutTimer, 9, 4),
    Ch.Range(F::Lockout, 9, 3, 2),
    Ch.Range(F::OutputPower, 9, 1, 0),
    Ch.Range(F::Log, 10, 7, 4),
    Ch.Bit(F::NameEmpty, 10, 2),
    Ch.Bit(F::ScanIncrement, 10, 1),
    Ch.Bit(F::ChannelMute, 10, 0),
    Ch.Range(F::SelectiveCall, 11, 7, 6),
    Ch.Bit(F::Call, 11, 3),
    Ch.Bit(F::Ptt, 11, 2),
    Ch.Bit(F::Narrow, 12, 7),
    Ch.Range(F::ScramblerMode, 12, 6, 5),
    Ch.Bit(F::Compander, 12, 4),
    Ch.Bit(F::Biis, 12, 3),
    Ch.Bit(F::BiisExt, 12, 2),
    Ch.Bit(F::MskSendStatus, 12, 1),
    Ch.Byte(F::ScramblerCode, 14),
    Ch.Range(F::Position, 15, 7, 6),
    Ch.Bit(F::RepeaterLong, 16, 7),
    Ch.Range(F::RepeaterCode, 16, 6, 0),
    Ch.Bit(F::IdLong, 18, 7),
    Ch.Range(F::IdCode, 18, 6, 0),
    ChName.Text(F::Text, 0, ChLayout::NameSize),
    datFieldLayout{F::ScanLists, datLoc::ScanBits, ChLayout::ScanTableBase, ChLayout::ScanListSize,
                   0, false, ChLayout::ScanListCount},
};

constexpr auto ChannelCommon = Join(ChannelOwn, ToneFields(Ch, 6));

// Lmr records hold a 2-tone code number and a one-bit auto reset; format and
// station code are not stored and decode as fixed values.
constexpr auto ChannelLmr = Join(ChannelCommon, std::array<datFieldLayout, 5>{
                                                    ConstantField(F::Format, 0),
                                                    ConstantField(F::StationLong, 1),
                                                    ConstantField(F::StationCode, 1),
                                                    Ch.Byte(F::TwoToneCode, 19),
                                                    Ch.Bit(F::AutoReset, 11, 1),
                                                });

// Pmr and BiisPmr share one layout. Auto reset: value bit 0 in B11 bit 1, bit 1 in B11 bit 0.
constexpr auto ChannelPmr =
    Join(ChannelCommon, std::array<datFieldLayout, 5>{
                            Ch.Range(F::Format, 15, 3, 0),
                            Ch.Bit(F::StationLong, 17, 7),
                            Ch.Range(F::StationCode, 17, 6, 0),
                            Ch.Byte(F::RxCodeSet, 19),
                            Ch.Bits(F::AutoReset, {{11, 1, 1, 0}, {11, 0, 0, 1}}),
                        });

constexpr datBlock CEdit{0x1800, 22};
constexpr std::array<datFieldLayout, 2> CEditFields = {
    CEdit.Bytes(F::Data, 0, 20),
    CEdit.Word(F::GlyphValue, 20),
};

constexpr datBlock Dtmf{0x0378, 13};
constexpr std::array<datFieldLayout, 3> DtmfFields = {
    Dtmf.Bytes(F::Data, 0, 12),
    Dtmf.Byte(F::DigitCount, 12),
    datBlock{0x2E70, 24}.Text(F::Text, 0, 24),
};

constexpr datBlock Scan{ChLayout::ScanTableBase, ChLayout::ScanListSize};
constexpr std::array<datFieldLayout, 5> ScanFields = {
    Scan.Bytes(F::Data, 0, 32),
    Scan.Bit(F::ScanDisplayText, 32, 7),
    Scan.Bit(F::ScanPowerSave, 32, 4),
    Scan.Bits(F::ScanMode, {{32, 5, 5, 5}, {32, 1, 0, 0}}),
    datBlock{0x1F00, 24}.Text(F::Text, 0, 24),
};

constexpr auto TonePairFields = ToneFields(datBlock{0x0200, 3}, 0);

// 5-tone receive codes and 2-tone codes share 9-byte slots: a 4-byte code
// (rows from 1) at 0x1A1C + 9 row, then the bytes at 0x1A20 + 9 row.
constexpr datBlock Slot{0x1A20, 9};
constexpr datBlock SlotCode{0x1A1C, 9};
constexpr datBlock SlotText{0x2D80, 24};

constexpr std::array<datFieldLayout, 8> RxCodeFields = {
    SlotCode.Bytes(F::Data, 0, 4).FromRow(1),
    Slot.Byte(F::SlotByte0, 0),
    Slot.Byte(F::SlotByte1, 1),
    Slot.Byte(F::SlotByte2, 2),
    Slot.Byte(F::SlotByte3, 3),
    Slot.Byte(F::SlotByte4, 4),
    SlotText.Text(F::Text, 0, 24),
    Absolute.Byte(F::GroupToneDigit, 0x009D).DecodeOnly(),
};

constexpr datBlock TxCode{0x1960, 6};
constexpr std::array<datFieldLayout, 7> TxCodeFields = {
    TxCode.Bytes(F::Data, 0, 4),
    TxCode.Range(F::InputDigits, 4, 7, 1),
    TxCode.Bit(F::Update, 4, 0),
    TxCode.Bit(F::AbcDecode, 5, 7),
    TxCode.Bit(F::AbcAudio, 5, 6),
    TxCode.Bit(F::SelectInverted, 5, 4),
    datBlock{0x2C00, 12}.Text(F::Text, 0, 12),
};

constexpr datBlock UserToneDecode{0x017E, 4};
constexpr std::array<datFieldLayout, 3> UserToneFields = {
    datBlock{0x0160, 2}.Word(F::EncodeCode, 0),
    UserToneDecode.Word(F::DecodeLow, 0),
    UserToneDecode.Word(F::DecodeHigh, 2),
};

constexpr datBlock TwoToneHz{0x0176, 8};
constexpr std::array<datFieldLayout, 10> TwoToneFields = {
    TwoToneHz.Word(F::FirstLow, 0).FromRow(1),
    TwoToneHz.Word(F::FirstHigh, 2).FromRow(1),
    TwoToneHz.Word(F::SecondLow, 4).FromRow(1),
    TwoToneHz.Word(F::SecondHigh, 6).FromRow(1),
    SlotCode.Byte(F::CodeType, 0).FromRow(1),
    Slot.Byte(F::SlotByte0, 0),
    Slot.Byte(F::SlotByte1, 1),
    Slot.Byte(F::SlotByte2, 2),
    Slot.Byte(F::SlotByte3, 3),
    SlotText.Text(F::Text, 0, 24),
};

constexpr std::array<datFieldLayout, 5> TwoToneTxFields = {
    Absolute.Word(F::ToneCode1, 0x0160),
    Absolute.Word(F::ToneCode2, 0x0162),
    Absolute.Byte(F::Period1, 0x00AF),
    Absolute.Byte(F::Period2, 0x01BA),
    datFieldLayout{F::TxType, datLoc::NotFifteen, 0x1960, 0},
};

constexpr datBlock IdGroup{0x3504, 9};
constexpr std::array<datFieldLayout, 4> IdGroupFields = {
    IdGroup.Word(F::Address, 0),
    IdGroup.Range(F::Alert, 6, 2, 0),
    IdGroup.Range(F::Bell, 7, 1, 0),
    datBlock{0x354C, 12}.Text(F::Text, 0, 12),
};

constexpr datBlock CallList{0x3000, 6};
constexpr std::array<datFieldLayout, 5> CallListFields = {
    CallList.Word(F::Address, 0),
    CallList.Range(F::InputDigits, 4, 7, 1),
    CallList.Bit(F::Update, 4, 0),
    CallList.Bit(F::SelectInverted, 5, 4),
    datBlock{0x30C0, 12}.Text(F::Text, 0, 12),
};

constexpr datBlock Status{0x35AC, 1};
constexpr std::array<datFieldLayout, 6> StatusFields = {
    Status.Range(F::StatusBeep, 0, 7, 4),      Status.Bit(F::StatusAuto, 0, 3),
    Status.Bit(F::StatusSelection, 0, 1),      Status.Bit(F::StatusPriority, 0, 0),
    datBlock{0x3240, 12}.Text(F::Text, 0, 12), datBlock{0x3360, 12}.Text(F::TextTx, 0, 12, 12),
};

constexpr std::array<datFieldLayout, 1> ShortTextFields = {
    datBlock{0x3480, 12}.Text(F::Text, 0, 12),
};

constexpr datKindInfo KindTable[datKindCount] = {
    {0, -1, 0},                            // none
    {0, 255, KindMayClear | KindMayCopy},  // Lmr channel
    {0, 255, KindMayClear | KindMayCopy},  // Pmr channel
    {0, 255, KindMayClear | KindMayCopy},  // BiisPmr channel
    {0, 15, KindMayClear | KindMayCopy},   // character table
    {0, 7, KindMayCopy},                   // DTMF memory
    {0, 9, KindMayCopy},                   // scan list
    {0, 8, KindMayCopy},                   // tone pair
    {1, 8, KindMayCopy},                   // 5-tone receive code
    {0, 31, KindMayCopy},                  // 5-tone transmit code
    {0, 14, 0},                            // user tone
    {1, 3, KindMayCopy},                   // 2-tone code
    {0, 9, KindMayCopy},                   // 2-tone transmit common
    {0, 0, 0},                             // bank operations
    {0, 7, KindMayCopy},                   // MSK own-ID group
    {0, 31, KindMayCopy},                  // MSK call list
    {0, 22, KindMayCopy},                  // MSK status message
    {0, 7, KindMayCopy},                   // MSK short text
};

}  // namespace

const datKindInfo& KindInfo(uint8_t kind) {
    return KindTable[kind < datKindCount ? kind : 0];
}

std::span<const datFieldLayout> FieldsOfKind(uint8_t kind) {
    switch (kind) {
        case KindMchLmr:
            return ChannelLmr;
        case KindMchPmr:
        case KindMchBiisPmr:
            return ChannelPmr;
        case KindCEdit:
            return CEditFields;
        case KindDtmf:
            return DtmfFields;
        case KindScanList:
            return ScanFields;
        case KindTonePair:
            return TonePairFields;
        case KindRxCode:
            return RxCodeFields;
        case KindTxCode:
            return TxCodeFields;
        case KindUserTone:
            return UserToneFields;
        case KindTwoTone:
            return TwoToneFields;
        case KindTwoToneTx:
            return TwoToneTxFields;
        case KindMskIdGroup:
            return IdGroupFields;
        case KindMskCallList:
            return CallListFields;
        case KindMskStatus:
            return StatusFields;
        case KindMskShortText:
            return ShortTextFields;
        default:
            return {};
    }
}
