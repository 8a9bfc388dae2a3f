#pragma once
// A row of decimal digits (one 0..9 value per element, most significant
// first) and its packed form: digit i lives in nibble i of a byte string,
// the high nibble of byte i/2 for even i, the low nibble for odd i.

#include <cstdint>

#include "cmcBuff.h"

class cmcPackedBcd : public cmcBuff {
  public:
    // The count low decimal digits of value, most significant first.
    void SetNumber(uint32_t value, int count);
    // The digits read as a decimal number; -1 when a digit is above 9.
    int64_t Number() const;

    // Writes digit i into nibble i of dest; the other nibble of each byte stays.
    void PackTo(uint8_t* dest) const;
    // Replaces the digits by the first count nibbles of source.
    void UnpackFrom(const uint8_t* source, int count);

    static uint8_t ReadNibble(const uint8_t* source, int i);
    static void WriteNibble(uint8_t* dest, int i, uint8_t value);
};
