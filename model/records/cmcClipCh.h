#pragma once
// The row clipboard: decoded copies of a run of rows of one record kind, and
// the paste that writes them back at another place. datClipCh is the program's
// clipboard: it pastes without taking the target rows' emergency-enable and
// bank SmarTrunk bits away, or, when asked, keeping all their attributes.

#include <cstdint>
#include <vector>

#include "datCh.h"

class cmcEeprom;

class cmcClipCh {
  public:
    virtual ~cmcClipCh() = default;

    // Drops the records; the clipboard then holds kind 0.
    virtual void Clear();
    // Clears, then decodes rows first .. first + count - 1 of the kind.
    virtual void CopyFrom(const cmcEeprom& image, uint8_t kind, int first, int count);
    virtual void DecodeRow(const cmcEeprom& image, uint8_t kind, int row, datCh& record);
    // True when the clipboard holds rows of this (non-zero) kind.
    virtual bool Holds(uint8_t kind) const;
    // When it holds the kind: writes record i at row first + i for i below both
    // the stored count and count.
    virtual void PasteTo(cmcEeprom& image, uint8_t kind, int first, int count);
    virtual void EncodeRow(cmcEeprom& image, uint8_t kind, int row, const datCh& record);

    uint8_t Kind() const { return kind_; }
    int First() const { return first_; }
    int Count() const { return count_; }
    const datCh& Record(int i) const { return records_[static_cast<size_t>(i)]; }

  private:
    std::vector<datCh> records_;
    uint8_t kind_ = KindNone;
    int first_ = 0;
    int count_ = 0;
};

class datClipCh : public cmcClipCh {
  public:
    // Before writing, the record takes the target row's emergency-enable and
    // bank SmarTrunk bits, or all of the target's attribute bits while a
    // keep-all paste runs.
    void EncodeRow(cmcEeprom& image, uint8_t kind, int row, const datCh& record) override;
    void PasteKeepingAttributes(cmcEeprom& image, uint8_t kind, int first, int count);

  private:
    bool keepAll_ = false;
    datCh scratch_;
};
