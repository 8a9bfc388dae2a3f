#include "datBiisAdr.h"

#include <algorithm>

#include "cmcEeprom.h"

void datBiisAdr::Load(const cmcEeprom& image) {
    groupStart_ = (image.GetByte(AdrGroupStart) << 8) | image.GetByte(AdrGroupStart + 1);
    Recompute();
}

void datBiisAdr::Store(cmcEeprom& image) {
    image.SetByte(AdrGroupStart, static_cast<uint8_t>(groupStart_ >> 8));
    image.SetByte(AdrGroupStart + 1, static_cast<uint8_t>(groupStart_));
    Recompute();
}

void datBiisAdr::SetGroupStart(int g) {
    groupStart_ = std::clamp(g, 0, LastAddress);
    Recompute();
}

void datBiisAdr::Recompute() {
    // A stored value beyond the address space leaves no group range.
    const int g = std::min(groupStart_, LastAddress + 1);
    individual_ = {0, g - 1};
    group_ = {g, LastAddress};
}
