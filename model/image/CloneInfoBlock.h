#pragma once
// Where the facts of the 38-byte clone-information block sit, as this family
// reports them: two 16-character comments, then six bytes of identity flags.

#include <cstdint>

namespace CloneInfoBlock {

constexpr int Comment1 = 0;   // 16 characters
constexpr int Comment2 = 16;  // 16 characters
constexpr int CommentLength = 16;
constexpr int ModelBits = 32;  // bits 0 and 1: their sum is the model type; bit 2 keyboard
constexpr uint8_t KeyboardBit = 0x04;
constexpr int Revision = 33;  // high nibble major, low nibble minor
constexpr int Options =
    34;  // bits 1, 2, 3 and 5-4 options; bit 6 off-grid channels; bit 7 over-voltage
constexpr uint8_t OverVoltageBit = 0x80;
constexpr int PllReference = 35;  // bits 5-3 and bit 0 form the reference code
constexpr int UnitFlags = 36;     // bits 0-2
constexpr int Spare = 37;

}  // namespace CloneInfoBlock
