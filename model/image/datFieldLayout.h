#pragma once
// The image layout of every row record kind, as data: each kind lists its
// fields with where they live (address of row 0, bytes per row, and the bit
// pieces that make up the value). datCh decodes and encodes records from
// these tables only.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

// Record kinds: the row-addressed categories of the cell handler.
enum datKind : uint8_t {
    KindNone = 0,
    KindMchLmr = 1,
    KindMchPmr = 2,
    KindMchBiisPmr = 3,
    KindCEdit = 4,         // character-table entry
    KindDtmf = 5,          // DTMF memory
    KindScanList = 6,      // scan list
    KindTonePair = 7,      // CTCSS/DTCS tone pair
    KindRxCode = 8,        // 5-tone receive code (row 0: common slot)
    KindTxCode = 9,        // 5-tone transmit code
    KindUserTone = 10,     // user tone
    KindTwoTone = 11,      // 2-tone code (row 0: common slot)
    KindTwoToneTx = 12,    // 2-tone transmit common
    KindBankOp = 13,       // bank operations
    KindMskIdGroup = 14,   // MSK own-ID group
    KindMskCallList = 15,  // MSK call list
    KindMskStatus = 16,    // MSK status message
    KindMskShortText = 17,
};
constexpr int datKindCount = 18;

constexpr bool IsChannelKind(uint8_t kind) {
    return kind >= KindMchLmr && kind <= KindMchBiisPmr;
}

// Movable rows of a kind and what the pop-up commands may do with them.
struct datKindInfo {
    int firstRow;
    int lastRow;
    uint8_t flags;
};
constexpr uint8_t KindMayClear = 0x01;  // rows may be cleared, deleted and inserted
constexpr uint8_t KindMayCopy = 0x02;   // rows may be copied, pasted and moved
// The entry of a kind; kind 0 (and any unknown kind) has no rows and no flags.
const datKindInfo& KindInfo(uint8_t kind);

// Every field of every kind. A field is read as an unsigned number; byte-string
// fields (Data, Text, TextTx) live in the record's byte areas instead.
enum class datField : uint8_t {
    // memory channel
    RxInhibit,
    RxSteps,
    TxInhibit,
    TxSteps,
    RxToneOff,
    RxDtcs,
    RxInverted,
    RxCode,
    TxToneOff,
    TxDtcs,
    TxInverted,
    TxCode,
    PowerSave,
    Monitor,
    TimeOutTimer,
    Lockout,
    OutputPower,
    Log,
    NameEmpty,
    ScanIncrement,
    ChannelMute,
    SelectiveCall,
    Call,
    Ptt,
    AutoReset,
    Narrow,
    ScramblerMode,
    Compander,
    Biis,
    BiisExt,
    MskSendStatus,
    ScramblerCode,
    Position,
    Format,
    RepeaterLong,
    RepeaterCode,
    StationLong,
    StationCode,
    IdLong,
    IdCode,
    TwoToneCode,
    RxCodeSet,
    ScanLists,  // membership in scan lists 1..10, list 1 in bit 9
    // character table, DTMF, scan list
    GlyphValue,
    DigitCount,
    ScanDisplayText,
    ScanPowerSave,
    ScanMode,
    // 5-tone and 2-tone slots of the shared table (bytes 0..4 from slot address 0x1A20)
    SlotByte0,
    SlotByte1,
    SlotByte2,
    SlotByte3,
    SlotByte4,
    GroupToneDigit,
    InputDigits,
    Update,
    AbcDecode,
    AbcAudio,
    SelectInverted,
    // user tone, 2-tone code, 2-tone transmit common
    EncodeCode,
    DecodeLow,
    DecodeHigh,
    FirstLow,
    FirstHigh,
    SecondLow,
    SecondHigh,
    CodeType,
    ToneCode1,
    ToneCode2,
    Period1,
    Period2,
    TxType,
    // MSK
    Address,
    Alert,
    Bell,
    StatusBeep,
    StatusAuto,
    StatusSelection,
    StatusPriority,
    // byte strings
    Data,
    Text,
    TextTx,
    Count_
};
constexpr int datFieldCount = static_cast<int>(datField::Count_);

// Bits hi..lo of the byte at offset (from the row's address), placed at bit
// shift of the value.
struct datPiece {
    int offset;
    uint8_t hi;
    uint8_t lo;
    uint8_t shift;
};

enum class datLoc : uint8_t {
    Bits,      // pieces of bits
    Bytes,     // length bytes into the record's data area at areaOffset
    Text,      // length bytes into the record's text area at areaOffset
    ScanBits,  // bit 7 - row mod 8 of byte base + stride * list + row div 8, list 0 in the top bit
    Constant,  // always decodes areaOffset; never written
    NotFifteen,  // 1 when the byte at base is not 15; written (0xFF or 15) only when that changes
};

struct datFieldLayout {
    datField field;
    datLoc loc;
    int base;    // address of row 0 (ScanBits: of list 0)
    int stride;  // bytes per row (ScanBits: per list)
    int minRow = 0;
    bool decodeOnly = false;
    int length = 0;      // Bytes, Text: bytes; ScanBits: lists
    int areaOffset = 0;  // Bytes, Text: offset in the area; Constant: the value
    int pieceCount = 0;
    std::array<datPiece, 3> pieces{};

    constexpr int Address(int row, int offset) const { return base + stride * row + offset; }
    constexpr datFieldLayout FromRow(int row) const {
        datFieldLayout s = *this;
        s.minRow = row;
        return s;
    }
    constexpr datFieldLayout DecodeOnly() const {
        datFieldLayout s = *this;
        s.decodeOnly = true;
        return s;
    }
};

// A table of records: row r begins at base + stride * r. Builds field entries.
struct datBlock {
    int base;
    int stride;

    constexpr datFieldLayout Bits(datField f, std::initializer_list<datPiece> pieces) const {
        datFieldLayout s{f, datLoc::Bits, base, stride};
        for (const datPiece& p : pieces) {
            s.pieces[static_cast<size_t>(s.pieceCount++)] = p;
        }
        return s;
    }
    constexpr datFieldLayout Range(datField f, int offset, int hi, int lo) const {
        return Bits(f, {{offset, static_cast<uint8_t>(hi), static_cast<uint8_t>(lo), 0}});
    }
    constexpr datFieldLayout Bit(datField f, int offset, int bit) const {
        return Range(f, offset, bit, bit);
    }
    constexpr datFieldLayout Byte(datField f, int offset) const { return Range(f, offset, 7, 0); }
    // 16-bit big-endian
    constexpr datFieldLayout Word(datField f, int offset) const {
        return Bits(f, {{offset, 7, 0, 8}, {offset + 1, 7, 0, 0}});
    }
    constexpr datFieldLayout Area(datField f, datLoc loc, int offset, int length,
                                  int areaOffset) const {
        datFieldLayout s{f, loc, base + offset, stride};
        s.length = length;
        s.areaOffset = areaOffset;
        return s;
    }
    constexpr datFieldLayout Bytes(datField f, int offset, int length, int areaOffset = 0) const {
        return Area(f, datLoc::Bytes, offset, length, areaOffset);
    }
    constexpr datFieldLayout Text(datField f, int offset, int length, int areaOffset = 0) const {
        return Area(f, datLoc::Text, offset, length, areaOffset);
    }
};

constexpr datFieldLayout ConstantField(datField f, int value) {
    datFieldLayout s{f, datLoc::Constant, 0, 0};
    s.areaOffset = value;
    return s;
}

// The fields of a kind (empty for kinds without image fields).
std::span<const datFieldLayout> FieldsOfKind(uint8_t kind);
