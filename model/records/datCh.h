#pragma once
// The decoded record of one row of a category: a channel, a DTMF memory, a
// scan list, a tone code, an MSK table entry... Created on an image that it
// does not own. Decode fills the fields from the image by the kind's layout
// table (datFieldLayout.h); Encode writes exactly those fields back and touches no
// other bit. Fields are kept as read, so decoding and encoding an untouched
// record changes nothing.

#include <array>
#include <cstdint>

#include "datFieldLayout.h"

class cmcEeprom;

// One tone setting (receive or transmit) of a channel or tone pair.
struct datTone {
    bool On = false;
    bool Dtcs = false;
    bool Inverted = false;
    uint16_t CtcssIndex = 0;
    uint16_t DtcsCode = 0;  // 9 bits
};

class datCh {
  public:
    static constexpr int TextSize = 24;
    static constexpr int DataSize = 32;

    // State bits
    static constexpr uint8_t StateUsed = 0x01;
    // Attribute bits (channels)
    static constexpr uint8_t AttrPriorityA = 0x01;
    static constexpr uint8_t AttrPriorityB = 0x02;
    static constexpr uint8_t AttrEmergency = 0x04;
    static constexpr uint8_t AttrEmergencyDisabled = 0x08;
    static constexpr uint8_t AttrBankSmarTrunk = 0x10;
    // Inhibit bits (channels)
    static constexpr uint8_t InhibitRx = 0x01;
    static constexpr uint8_t InhibitTx = 0x02;

    datCh() = default;
    explicit datCh(cmcEeprom* image) { Bind(image); }

    void Bind(cmcEeprom* image) {
        image_ = image;
        source_ = image;
    }
    // Binds for reading only (a template image): Encode then writes nothing.
    void BindReadOnly(const cmcEeprom* image) {
        image_ = nullptr;
        source_ = image;
    }
    cmcEeprom* Image() const { return image_; }

    // Clears the record, remembers kind and row and reads the fields. Fields
    // whose bytes lie outside the image read 0.
    void Decode(uint8_t kind, int row);
    // Writes the fields (and, for channels, the attributes) at the remembered kind and row.
    void Encode();
    void Reload() { Decode(kind_, row_); }
    void Store() {
        Encode();
        Reload();
    }

    uint8_t Kind() const { return kind_; }
    int Row() const { return row_; }
    // Moves the record to another row (the next Encode writes there).
    void SetRow(int row) { row_ = row; }

    bool HasField(datField field) const;
    // The field's value; 0 for a field the kind does not have.
    int32_t Get(datField field) const { return values_[Index(field)]; }
    // Sets a field of this kind (others are ignored), masked to its width.
    void Set(datField field, int32_t value);

    uint8_t* Text() { return text_.data(); }
    const uint8_t* Text() const { return text_.data(); }
    uint8_t* Data() { return data_.data(); }
    const uint8_t* Data() const { return data_.data(); }

    uint8_t State() const { return Used() ? StateUsed : 0; }
    uint8_t Attr() const { return attr_; }
    void SetAttr(uint8_t attr) { attr_ = attr; }

    // True when a field, a byte area or the attributes differ from the last decode.
    bool Modified() const;

    // Channel views. A blank channel (first record byte 0xF0 or above) is not used;
    // rows of every other kind always count as used.
    bool Used() const;
    // Makes the channel blank (receive FF 00 00, transmit 00 00 00 keeping its
    // inhibit bit), or takes a blank channel into use with frequency 0.
    void SetUsed(bool used);
    uint8_t Inhibit() const;
    // Hz: steps x 625, at most 799 995 000, snapped to the channel raster (-1
    // when off the raster); a blank channel's receive frequency is 0.
    int32_t RxFreq() const;
    int32_t TxFreq() const;
    // Stores hz / 625 steps (negative counts as 0).
    void SetRxFreq(int32_t hz) { SetFreq(datField::RxSteps, hz); }
    void SetTxFreq(int32_t hz) { SetFreq(datField::TxSteps, hz); }

    // Tone views (channels and tone pairs).
    datTone RxTone() const;
    datTone TxTone() const;
    void SetRxTone(const datTone& tone);
    void SetTxTone(const datTone& tone);

  private:
    static size_t Index(datField f) { return static_cast<size_t>(f); }
    bool RowInMemory() const;
    const datFieldLayout* LayoutOf(datField field) const;
    int32_t Freq(datField steps) const;
    void SetFreq(datField steps, int32_t hz);
    uint8_t* Area(const datFieldLayout& s);
    void DecodeField(const datFieldLayout& s);
    void EncodeField(const datFieldLayout& s);
    void DecodeAttributes();
    void EncodeAttributes();

    cmcEeprom* image_ = nullptr;         // where Encode writes
    const cmcEeprom* source_ = nullptr;  // where Decode reads
    uint8_t kind_ = KindNone;
    int row_ = 0;
    std::array<int32_t, datFieldCount> values_{};
    std::array<uint8_t, TextSize> text_{};
    std::array<uint8_t, DataSize> data_{};
    uint8_t attr_ = 0;

    // As decoded, for Modified and for the rules that apply only to changed fields.
    std::array<int32_t, datFieldCount> decodedValues_{};
    std::array<uint8_t, TextSize> decodedText_{};
    std::array<uint8_t, DataSize> decodedData_{};
    uint8_t decodedAttr_ = 0;
};
