#pragma once
// The items of the setting, key, set-mode, signalling, MSK and maker sheets,
// described once each: where the value lives in the image, which codec edits
// it with which options, how the stored number turns into the value the
// codec sees, and the rules that mark or follow a change. The generic driver
// (indSettingHandler.cpp) serves every item from this table.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "ModelType.h"
#include "datFieldLayout.h"

// Where an item's value is kept.
enum class indStoreKind : uint8_t {
    Bits,    // pieces of bits read as one unsigned number (layout.loc Bits)
    Area,    // a run of bytes (layout.loc Bytes): texts, digit strings, glyphs
    Record,  // the decoded record of the row (tone pairs)
    None,    // nothing stored: computed or fixed text
};

struct indStorage {
    indStoreKind kind = indStoreKind::None;
    // Bits and Area: row r lives at layout.base + layout.stride * r.
    datFieldLayout layout{datField::Count_, datLoc::Bits, 0, 0};
    // A row kept apart from the others (the user tones' common row 15).
    int altRow = -1;
    int altAddress = 0;
    // Area: a second byte beside the run (digit count, mark byte), as an offset from it.
    int auxOffset = 0;

    constexpr indStorage At(int row, int address) const {
        indStorage s = *this;
        s.altRow = row;
        s.altAddress = address;
        return s;
    }
};

// Storage builders: address of row 0, bytes per row.
constexpr indStorage StoreBits(int address, int stride, std::initializer_list<datPiece> pieces) {
    return {indStoreKind::Bits, datBlock{address, stride}.Bits(datField::Count_, pieces)};
}
constexpr indStorage StoreRange(int address, int stride, int hi, int lo) {
    return {indStoreKind::Bits, datBlock{address, stride}.Range(datField::Count_, 0, hi, lo)};
}
constexpr indStorage StoreBit(int address, int stride, int bit) {
    return StoreRange(address, stride, bit, bit);
}
constexpr indStorage StoreByte(int address, int stride = 0) {
    return StoreRange(address, stride, 7, 0);
}
constexpr indStorage StoreWord(int address, int stride = 0) {
    return {indStoreKind::Bits, datBlock{address, stride}.Word(datField::Count_, 0)};
}
constexpr indStorage StoreArea(int address, int stride, int length, int auxOffset = 0) {
    indStorage s{indStoreKind::Area, datBlock{address, stride}.Bytes(datField::Count_, 0, length)};
    s.auxOffset = auxOffset;
    return s;
}
constexpr indStorage StoreRecord() {
    return {indStoreKind::Record};
}
constexpr indStorage StoreNone() {
    return {};
}

// The codec that edits an item.
enum class indCodecKind : uint8_t {
    Choice,        // SelectChoice on list
    KeyFunction,   // SelectKeyFunction (list by model type, high/low options)
    Integer,       // EditInteger low..high, offset
    FixedPoint,    // EditFixedPoint
    Timer,         // EditTimer scale, off allowed, trim
    MinSec,        // EditMinSec low..high seconds, step
    DecimalId,     // EditDecimalId width, low..high
    HexDigits,     // EditHexDigits digits
    HexDigit,      // EditHexDigit, F allowed
    FlagDigits,    // EditFlagDigits first..last over the field, first position in its top bit
    RadioText,     // text in the radio character set, display form
    AsciiText,     // EditText: bytes outside 32..126 stored as space
    Passcode,      // EditPasscode digits
    DtmfCode,      // EditDtmfCode, digit count in the aux byte
    FiveToneCode,  // EditFiveToneCode, receive codes keep marks in the aux byte
    AbcCode,       // EditAbcCode
    ToneLength,    // EditToneLength
    Tone,          // EditTone on the row's record (receive or transmit)
    Glyph,         // a user character of the character table
    Special,       // the item's own rule does everything
};

// How the stored number turns into the value the codec works on.
enum class indConversion : uint8_t {
    None,
    Inverted,       // one bit, choice 1 = bit clear
    TimesTwo,       // list index = 2 x field
    BeepLevel,      // pieces: level bits 3-0, bit 6 on top; index = level + 100 x bit 6
    NonZero,        // a byte that is on when not 0
    NotFifteen,     // a byte that is on when not 15 (written 0xFF or 15)
    ToneCodeHz,     // tone code = Hz x 6.4
    BeepHz,         // Hz = 96000 / (n + 1)
    UserCtcss,      // tenths of Hz = 1 920 000 / w
    SignMagnitude,  // four bytes: sign bit 7 and a 31-bit magnitude
    Bcd,            // four BCD digits; a non-decimal digit reads as 65535
};

// Marks and follow-ups of an item beyond storing its value.
enum class indRule : uint8_t {
    None,
    IndividualRange,  // CL_Msk_AdrRange_Individual: computed, no edit
    GroupStart,       // CL_Msk_AdrRange_Group: row 0 the group start, row 1 fixed
    KillerRange,      // Error unless inside the individual range
    IdGroupRange,     // Error unless inside the range of the row's own-ID group
    AddressSpace,     // Error above the 12-bit address space
    DecodeOrder,      // Warning when the decode window's high lies below its low
    EncodeWindow,     // a new encode frequency sets the decode window
    TwoToneWindow,    // the 2-tone receive window (low, high) shown as its centre
    DtmfSlotName,     // CL_Dtmf_ChNo: the slot's name
    PllType,          // restores the remembered reference of the new type
    PllReference,     // reference bits through the maker tables
    Inert,            // shows "----" and takes no key
};

// Model types an item belongs to (the sheets of other types leave it out).
namespace ModelMask {
constexpr uint8_t Lmr = 1 << ModelLmr;
constexpr uint8_t Pmr = 1 << ModelPmr;
constexpr uint8_t BiisPmr = 1 << ModelBiisPmr;
constexpr uint8_t AnyPmr = Pmr | BiisPmr;
constexpr uint8_t All = Lmr | Pmr | BiisPmr;
}  // namespace ModelMask

struct indSettingItem {
    int item = 0;
    indStorage store;
    indCodecKind codec = indCodecKind::Special;
    indConversion conversion = indConversion::None;
    indRule rule = indRule::None;
    // Codec options (each codec reads the ones it needs).
    const char* list = nullptr;  // Choice
    int entryKind = 0;           // Choice: the list's entry kind (an item id, Flex0 by default)
    int32_t low = 0;             // Integer, DecimalId, MinSec (seconds), FlagDigits (first)
    int32_t high = 0;            // Integer, DecimalId, MinSec (seconds), FlagDigits (last)
    int32_t offset = 0;          // Integer
    int32_t step = 1;            // FixedPoint, MinSec (seconds)
    double min = 0;              // FixedPoint
    double max = 0;              // FixedPoint
    int storageDecimals = 0;     // FixedPoint
    int shownDecimals = 1;       // FixedPoint
    bool stepping = true;        // FixedPoint
    int scale = 1;               // Timer
    bool offAllowed = false;     // Timer
    int trim = 0;                // Timer
    int width = 0;               // DecimalId width, HexDigits digits, Passcode digits, texts
    bool flag = false;           // HexDigit: F allowed; Tone and FiveToneCode: receive
    // Rows the value exists on; other rows show "----".
    static constexpr int NoLastRow = 0x7FFFFFFF;
    int firstRow = 0;
    int lastRow = NoLastRow;
    int changeFlags = 0;
    uint8_t models = ModelMask::All;

    // Copies with one option changed, for the table's builders.
    template <typename T, typename V>
    constexpr indSettingItem With(T indSettingItem::*field, V value) const {
        indSettingItem s = *this;
        s.*field = static_cast<T>(value);
        return s;
    }
    constexpr indSettingItem Rows(int first, int last) const {
        return With(&indSettingItem::firstRow, first).With(&indSettingItem::lastRow, last);
    }
    constexpr indSettingItem Conv(indConversion c) const {
        return With(&indSettingItem::conversion, c);
    }
    constexpr indSettingItem Rule(indRule r) const { return With(&indSettingItem::rule, r); }
    constexpr indSettingItem Models(uint8_t m) const { return With(&indSettingItem::models, m); }
    constexpr indSettingItem Change(int flags) const {
        return With(&indSettingItem::changeFlags, flags);
    }
    bool HasRow(int row) const { return row >= firstRow && row <= lastRow; }
};

// Every setting item; the entry of an item, or nullptr.
std::span<const indSettingItem> SettingItems();
const indSettingItem* FindSettingItem(int item);

// The image address that holds row's value (the run's first byte for areas).
int SettingAddress(const indSettingItem& s, int row);
// The image bits that an edit of the item's row may change, byte by byte;
// includes the bytes its rules keep in step (decode windows, key options,
// PLL reference bits).
struct indByteMask {
    int address;
    uint8_t mask;
};
std::vector<indByteMask> SettingFootprint(const indSettingItem& s, int row);
