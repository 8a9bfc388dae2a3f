#include "datCh.h"

#include <algorithm>

#include "ChBanks.h"
#include "ChLayout.h"
#include "ValueText.h"
#include "cmcEeprom.h"

namespace {

constexpr uint8_t FifteenByte = 15;
constexpr uint8_t EmptyCodeByte = 0xFF;

// A run of bits of one image byte and where it sits in the field's value.
struct BitSlot {
    int address;
    int lo;         // lowest bit in the byte
    uint32_t mask;  // the run's bits, unshifted
    int shift;      // position in the value
};

// The bit slots of a Bits or ScanBits field at row; count 0 when the row has none.
struct BitSlots {
    std::array<BitSlot, ChLayout::ScanListCount> slot{};
    int count = 0;
};

BitSlots SlotsOf(const datFieldLayout& s, int row) {
    BitSlots out;
    if (s.loc == datLoc::Bits) {
        for (int i = 0; i < s.pieceCount; ++i) {
            const datPiece& p = s.pieces[static_cast<size_t>(i)];
            out.slot[static_cast<size_t>(out.count++)] = {s.Address(row, p.offset), p.lo,
                                                          (1u << (p.hi - p.lo + 1)) - 1u, p.shift};
        }
    } else if (s.loc == datLoc::ScanBits && row >= 0) {
        // One bit per list: bit 7 - row mod 8 of the list's byte row div 8; list 0 on top.
        for (int list = 0; list < s.length; ++list) {
            out.slot[static_cast<size_t>(out.count++)] = {s.base + s.stride * list + row / 8,
                                                          7 - row % 8, 1u, s.length - 1 - list};
        }
    }
    return out;
}

bool SlotsInside(const cmcEeprom& image, const BitSlots& slots) {
    for (int i = 0; i < slots.count; ++i) {
        if (!image.IsValidAddress(slots.slot[static_cast<size_t>(i)].address)) {
            return false;
        }
    }
    return slots.count > 0;
}

// The bits a field's value may hold.
uint32_t ValueMask(const datFieldLayout& s) {
    if (s.loc == datLoc::NotFifteen) {
        return 1;
    }
    const BitSlots slots = SlotsOf(s, 0);
    uint32_t mask = 0;
    for (int i = 0; i < slots.count; ++i) {
        mask |= slots.slot[static_cast<size_t>(i)].mask << slots.slot[static_cast<size_t>(i)].shift;
    }
    return mask;
}

bool BlockInside(const cmcEeprom& image, int address, int length) {
    return image.IsValidAddress(address) && image.IsValidAddress(address + length - 1);
}

}  // namespace

const datFieldLayout* datCh::LayoutOf(datField field) const {
    for (const datFieldLayout& s : FieldsOfKind(kind_)) {
        if (s.field == field && row_ >= s.minRow) {
            return &s;
        }
    }
    return nullptr;
}

bool datCh::HasField(datField field) const {
    return LayoutOf(field) != nullptr;
}

void datCh::Set(datField field, int32_t value) {
    const datFieldLayout* s = LayoutOf(field);
    if (s != nullptr && !s->decodeOnly && s->loc != datLoc::Constant) {
        values_[Index(field)] = static_cast<int32_t>(static_cast<uint32_t>(value) & ValueMask(*s));
    }
}

uint8_t* datCh::Area(const datFieldLayout& s) {
    return (s.loc == datLoc::Text ? text_.data() : data_.data()) + s.areaOffset;
}

void datCh::DecodeField(const datFieldLayout& s) {
    const cmcEeprom& img = *source_;
    uint32_t value = 0;
    switch (s.loc) {
        case datLoc::Bits:
        case datLoc::ScanBits: {
            const BitSlots slots = SlotsOf(s, row_);
            if (!SlotsInside(img, slots)) {
                return;
            }
            for (int i = 0; i < slots.count; ++i) {
                const BitSlot& b = slots.slot[static_cast<size_t>(i)];
                value |= ((static_cast<uint32_t>(img.GetByte(b.address)) >> b.lo) & b.mask)
                         << b.shift;
            }
            break;
        }
        case datLoc::Bytes:
        case datLoc::Text: {
            uint8_t* area = Area(s);
            const int adr = s.Address(row_, 0);
            if (BlockInside(img, adr, s.length)) {
                img.ReadBlock(adr, area, s.length);
            }
            return;
        }
        case datLoc::Constant:
            value = static_cast<uint32_t>(s.areaOffset);
            break;
        case datLoc::NotFifteen:
            if (!img.IsValidAddress(s.base)) {
                return;
            }
            value = img.GetByte(s.base) != FifteenByte ? 1 : 0;
            break;
    }
    values_[Index(s.field)] = static_cast<int32_t>(value);
}

void datCh::EncodeField(const datFieldLayout& s) {
    cmcEeprom& img = *image_;
    const uint32_t value = static_cast<uint32_t>(values_[Index(s.field)]);
    switch (s.loc) {
        case datLoc::Bits:
        case datLoc::ScanBits: {
            const BitSlots slots = SlotsOf(s, row_);
            if (!SlotsInside(img, slots)) {
                return;
            }
            for (int i = 0; i < slots.count; ++i) {
                const BitSlot& b = slots.slot[static_cast<size_t>(i)];
                const uint32_t bits = ((value >> b.shift) & b.mask) << b.lo;
                img.SetByte(b.address, static_cast<uint8_t>(
                                           (img.GetByte(b.address) & ~(b.mask << b.lo)) | bits));
            }
            break;
        }
        case datLoc::Bytes:
        case datLoc::Text: {
            const uint8_t* area = Area(s);
            const int adr = s.Address(row_, 0);
            if (BlockInside(img, adr, s.length)) {
                img.WriteBlock(adr, area, s.length);
            }
            break;
        }
        case datLoc::Constant:
            break;
        case datLoc::NotFifteen:
            // The flag is a reading of a byte that belongs to another table: write
            // it only when the reading changes.
            if (img.IsValidAddress(s.base) &&
                (img.GetByte(s.base) != FifteenByte) != (value != 0)) {
                img.SetByte(s.base, value != 0 ? EmptyCodeByte : FifteenByte);
            }
            break;
    }
}

void datCh::DecodeAttributes() {
    using namespace ChLayout;
    if (row_ < 0 || row_ > LastChannel) {
        return;
    }
    const cmcEeprom& img = *source_;
    const bool disabled = (img.GetByte(AdrEmergencyEnable) & EmergencyEnableBit) == 0;
    attr_ = 0;
    if (img.GetByte(AdrPriorityA) == row_) {
        attr_ |= AttrPriorityA;
    }
    if (img.GetByte(AdrPriorityB) == row_) {
        attr_ |= AttrPriorityB;
    }
    if (disabled) {
        attr_ |= AttrEmergencyDisabled;
    } else if (img.GetByte(AdrEmergency) == row_) {
        attr_ |= AttrEmergency;
    }
    if (BankSmarTrunk(img, BankOf(img, row_))) {
        attr_ |= AttrBankSmarTrunk;
    }
}

void datCh::EncodeAttributes() {
    using namespace ChLayout;
    if (row_ < 0 || row_ > LastChannel) {
        return;
    }
    cmcEeprom& img = *image_;
    const uint8_t row = static_cast<uint8_t>(row_);
    if ((attr_ & AttrPriorityA) != 0) {
        img.SetByte(AdrPriorityA, row);
    }
    if ((attr_ & AttrPriorityB) != 0) {
        img.SetByte(AdrPriorityB, row);
    }
    if ((attr_ & AttrEmergency) != 0) {
        img.SetByte(AdrEmergency, row);
    }
    const uint8_t enable = img.GetByte(AdrEmergencyEnable);
    img.SetByte(AdrEmergencyEnable, static_cast<uint8_t>((attr_ & AttrEmergencyDisabled) != 0
                                                             ? enable & ~EmergencyEnableBit
                                                             : enable | EmergencyEnableBit));
    SetBankSmarTrunk(img, BankOf(img, row_), (attr_ & AttrBankSmarTrunk) != 0);
}

void datCh::Decode(uint8_t kind, int row) {
    kind_ = kind;
    row_ = row;
    values_.fill(0);
    text_.fill(0);
    data_.fill(0);
    attr_ = 0;
    if (source_ != nullptr && RowInMemory()) {
        for (const datFieldLayout& s : FieldsOfKind(kind_)) {
            if (row_ >= s.minRow) {
                DecodeField(s);
            }
        }
        if (IsChannelKind(kind_)) {
            DecodeAttributes();
        }
    }
    decodedValues_ = values_;
    decodedText_ = text_;
    decodedData_ = data_;
    decodedAttr_ = attr_;
}

// A channel number beyond the channel memory (a damaged bank table can name
// one) would address other tables: such a row reads as zero and writes nothing.
bool datCh::RowInMemory() const {
    return !IsChannelKind(kind_) || (row_ >= 0 && row_ <= ChLayout::LastChannel);
}

void datCh::Encode() {
    if (image_ == nullptr || !RowInMemory()) {
        return;
    }
    // The name-empty bit always follows the name, whoever wrote the name.
    if (IsChannelKind(kind_)) {
        const bool empty = std::all_of(text_.begin(), text_.begin() + ChLayout::NameSize,
                                       [](uint8_t c) { return c == ' '; });
        values_[Index(datField::NameEmpty)] = empty ? 1 : 0;
    }
    for (const datFieldLayout& s : FieldsOfKind(kind_)) {
        if (row_ >= s.minRow && !s.decodeOnly) {
            EncodeField(s);
        }
    }
    if (IsChannelKind(kind_)) {
        EncodeAttributes();
    }
}

bool datCh::Modified() const {
    return values_ != decodedValues_ || text_ != decodedText_ || data_ != decodedData_ ||
           attr_ != decodedAttr_;
}

bool datCh::Used() const {
    if (!IsChannelKind(kind_)) {
        return true;
    }
    const int first = (Get(datField::RxInhibit) << 7) | (Get(datField::RxSteps) >> 16);
    return first < ChLayout::BlankMarker;
}

void datCh::SetUsed(bool used) {
    if (!IsChannelKind(kind_) || used == Used()) {
        return;
    }
    if (used) {
        Set(datField::RxInhibit, 0);
        Set(datField::RxSteps, 0);
    } else {
        Set(datField::RxInhibit, 1);
        Set(datField::RxSteps, 0x7F0000);
        Set(datField::TxSteps, 0);
    }
}

uint8_t datCh::Inhibit() const {
    return static_cast<uint8_t>((Get(datField::RxInhibit) != 0 ? InhibitRx : 0) |
                                (Get(datField::TxInhibit) != 0 ? InhibitTx : 0));
}

int32_t datCh::Freq(datField steps) const {
    const int64_t hz = std::min<int64_t>(int64_t{Get(steps)} * 625, ValueText::MaxDecodedFrequency);
    return static_cast<int32_t>(ValueText::SnapToRaster(hz, false));
}

int32_t datCh::RxFreq() const {
    return Used() ? Freq(datField::RxSteps) : 0;
}

int32_t datCh::TxFreq() const {
    return Freq(datField::TxSteps);
}

void datCh::SetFreq(datField steps, int32_t hz) {
    Set(steps, std::max(0, hz) / 625);
}

datTone datCh::RxTone() const {
    const uint16_t code = static_cast<uint16_t>(Get(datField::RxCode));
    return {Get(datField::RxToneOff) == 0, Get(datField::RxDtcs) != 0,
            Get(datField::RxInverted) != 0, code, code};
}

datTone datCh::TxTone() const {
    const uint16_t code = static_cast<uint16_t>(Get(datField::TxCode));
    return {Get(datField::TxToneOff) == 0, Get(datField::TxDtcs) != 0,
            Get(datField::TxInverted) != 0, code, code};
}

void datCh::SetRxTone(const datTone& t) {
    Set(datField::RxToneOff, t.On ? 0 : 1);
    Set(datField::RxDtcs, t.Dtcs ? 1 : 0);
    Set(datField::RxInverted, t.Inverted ? 1 : 0);
    Set(datField::RxCode, t.Dtcs ? t.DtcsCode : t.CtcssIndex);
}

void datCh::SetTxTone(const datTone& t) {
    Set(datField::TxToneOff, t.On ? 0 : 1);
    Set(datField::TxDtcs, t.Dtcs ? 1 : 0);
    Set(datField::TxInverted, t.Inverted ? 1 : 0);
    Set(datField::TxCode, t.Dtcs ? t.DtcsCode : t.CtcssIndex);
}
