#include "cmcClipCh.h"

#include <algorithm>

#include "cmcEeprom.h"

void cmcClipCh::Clear() {
    records_.clear();
    kind_ = KindNone;
    first_ = 0;
    count_ = 0;
}

void cmcClipCh::CopyFrom(const cmcEeprom& image, uint8_t kind, int first, int count) {
    Clear();
    kind_ = kind;
    first_ = first;
    count_ = std::max(0, count);
    records_.resize(static_cast<size_t>(count_));
    for (int i = 0; i < count_; ++i) {
        DecodeRow(image, kind, first + i, records_[static_cast<size_t>(i)]);
    }
}

void cmcClipCh::DecodeRow(const cmcEeprom& image, uint8_t kind, int row, datCh& record) {
    record.BindReadOnly(&image);
    record.Decode(kind, row);
}

bool cmcClipCh::Holds(uint8_t kind) const {
    return kind_ != KindNone && kind_ == kind;
}

void cmcClipCh::PasteTo(cmcEeprom& image, uint8_t kind, int first, int count) {
    if (!Holds(kind)) {
        return;
    }
    for (int i = 0; i < std::min(count_, count); ++i) {
        EncodeRow(image, kind, first + i, records_[static_cast<size_t>(i)]);
    }
}

void cmcClipCh::EncodeRow(cmcEeprom& image, uint8_t, int row, const datCh& record) {
    datCh copy = record;
    copy.Bind(&image);
    copy.SetRow(row);
    copy.Encode();
}

void datClipCh::EncodeRow(cmcEeprom& image, uint8_t kind, int row, const datCh& record) {
    constexpr uint8_t rowBound = datCh::AttrEmergencyDisabled | datCh::AttrBankSmarTrunk;
    scratch_.Bind(&image);
    scratch_.Decode(kind, row);
    datCh copy = record;
    copy.SetAttr(keepAll_ ? scratch_.Attr()
                          : static_cast<uint8_t>((record.Attr() & ~rowBound) |
                                                 (scratch_.Attr() & rowBound)));
    cmcClipCh::EncodeRow(image, kind, row, copy);
}

void datClipCh::PasteKeepingAttributes(cmcEeprom& image, uint8_t kind, int first, int count) {
    keepAll_ = true;
    PasteTo(image, kind, first, count);
    keepAll_ = false;
}
