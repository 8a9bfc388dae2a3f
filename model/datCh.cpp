#include "datCh.h"

#include <algorithm>

#include "ChBanks.h"
#include "ChLayout.h"
#include "cmcEeprom.h"
#include "indValueText.h"

namespace {

constexpr uint8_t FifteenByte = 15;
constexpr uint8_t EmptyCodeByte = 0xFF;

uint32_t WidthMask(int hi, int lo) {
    return (1u << (hi - lo + 1)) - 1u;
}

// The bits a field's value may hold.
uint32_t ValueMask(const datFieldSpec& s) {
    switch (s.loc) {
        case datLoc::Bits: {
            uint32_t mask = 0;
            for (int i = 0; i < s.pieceCount; ++i) {
                const datPiece& p = s.pieces[static_cast<size_t>(i)];
                mask |= WidthMask(p.hi, p.lo) << p.shift;
            }
            return mask;
        }
        case datLoc::ScanBits:
            return (1u << s.length) - 1u;
        case datLoc::NotFifteen:
            return 1;
        default:
            return 0;
    }
}

bool BlockInside(const cmcEeprom& image, int address, int length) {
    return image.IsValidAddress(address) && image.IsValidAddress(address + length - 1);
}

}  // namespace

const datFieldSpec* datCh::Spec(datField field) const {
    for (const datFieldSpec& s : FieldsOfKind(kind_)) {
        if (s.field == field && row_ >= s.minRow) {
            return &s;
        }
    }
    return nullptr;
}

bool datCh::HasField(datField field) const {
    return Spec(field) != nullptr;
}

void datCh::Set(datField field, int32_t value) {
    const datFieldSpec* s = Spec(field);
    if (s != nullptr && !s->decodeOnly && s->loc != datLoc::Constant) {
        values_[Index(field)] = static_cast<int32_t>(static_cast<uint32_t>(value) & ValueMask(*s));
    }
}

void datCh::DecodeField(const datFieldSpec& s) {
    const cmcEeprom& img = *source_;
    uint32_t value = 0;
    switch (s.loc) {
        case datLoc::Bits:
            for (int i = 0; i < s.pieceCount; ++i) {
                const datPiece& p = s.pieces[static_cast<size_t>(i)];
                const int adr = s.Address(row_, p.offset);
                if (!img.IsValidAddress(adr)) {
                    return;
                }
                value |= ((static_cast<uint32_t>(img.GetByte(adr)) >> p.lo) & WidthMask(p.hi, p.lo))
                         << p.shift;
            }
            break;
        case datLoc::Bytes:
        case datLoc::Text: {
            uint8_t* area = (s.loc == datLoc::Text ? text_.data() : data_.data()) + s.areaOffset;
            const int adr = s.Address(row_, 0);
            if (BlockInside(img, adr, s.length)) {
                img.ReadBlock(adr, area, s.length);
            }
            return;
        }
        case datLoc::ScanBits:
            if (row_ < 0) {
                return;
            }
            for (int list = 0; list < s.length; ++list) {
                const int adr = s.base + s.stride * list + row_ / 8;
                if (!img.IsValidAddress(adr)) {
                    return;
                }
                const uint32_t bit = (img.GetByte(adr) >> (7 - row_ % 8)) & 1u;
                value |= bit << (s.length - 1 - list);
            }
            break;
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

void datCh::EncodeField(const datFieldSpec& s) {
    cmcEeprom& img = *image_;
    const uint32_t value = static_cast<uint32_t>(values_[Index(s.field)]);
    switch (s.loc) {
        case datLoc::Bits:
            for (int i = 0; i < s.pieceCount; ++i) {
                const datPiece& p = s.pieces[static_cast<size_t>(i)];
                const int adr = s.Address(row_, p.offset);
                if (!img.IsValidAddress(adr)) {
                    return;
                }
                const uint32_t mask = WidthMask(p.hi, p.lo) << p.lo;
                const uint32_t bits = ((value >> p.shift) << p.lo) & mask;
                img.SetByte(adr, static_cast<uint8_t>((img.GetByte(adr) & ~mask) | bits));
            }
            break;
        case datLoc::Bytes:
        case datLoc::Text: {
            const uint8_t* area =
                (s.loc == datLoc::Text ? text_.data() : data_.data()) + s.areaOffset;
            const int adr = s.Address(row_, 0);
            if (BlockInside(img, adr, s.length)) {
                img.WriteBlock(adr, area, s.length);
            }
            break;
        }
        case datLoc::ScanBits:
            if (row_ < 0) {
                return;
            }
            for (int list = 0; list < s.length; ++list) {
                const int adr = s.base + s.stride * list + row_ / 8;
                if (!img.IsValidAddress(adr)) {
                    return;
                }
                const uint32_t mask = 0x80u >> (row_ % 8);
                const bool on = ((value >> (s.length - 1 - list)) & 1u) != 0;
                img.SetByte(adr, static_cast<uint8_t>(on ? img.GetByte(adr) | mask
                                                         : img.GetByte(adr) & ~mask));
            }
            break;
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
    if (source_ != nullptr) {
        for (const datFieldSpec& s : FieldsOfKind(kind_)) {
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

bool datCh::NameChanged() const {
    return !std::equal(text_.begin(), text_.begin() + ChLayout::NameSize, decodedText_.begin());
}

void datCh::Encode() {
    if (image_ == nullptr) {
        return;
    }
    if (IsChannelKind(kind_) && NameChanged()) {
        const bool empty = std::all_of(text_.begin(), text_.begin() + ChLayout::NameSize,
                                       [](uint8_t c) { return c == ' '; });
        values_[Index(datField::NameEmpty)] = empty ? 1 : 0;
    }
    for (const datFieldSpec& s : FieldsOfKind(kind_)) {
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
