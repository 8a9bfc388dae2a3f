#pragma once
// The three kinds of radio of this family and what depends on the kind.

#include <cstdint>

class cmcEeprom;

enum ModelType : int {
    ModelLmr = 0,
    ModelPmr = 1,
    ModelBiisPmr = 2,
};
constexpr int ModelTypeCount = 3;

// BiisPmr when bit 2 of byte 203 is set, else Pmr when bit 4 of byte 161 is
// set, else Lmr.
int ModelTypeOfImage(const cmcEeprom& image);

// The channel record kind of a model type: 1 Lmr, 2 Pmr, 3 BiisPmr (an
// unknown type counts as Lmr).
uint8_t ChannelKindOf(int modelType);
