#pragma once
// SelectKeyFunction: the choice of a programmable key's function. The list
// depends on the model type; twelve function codes carry a high/low option,
// two codes sharing each of six option bits (bits 5-7 of 0x00A6 and 0x00A7).

#include <cstdint>

#include "indCellCapsule.h"

class cmcFCache;

namespace CodecKeys {

constexpr int KeyOptionAddress[2] = {0x00A6, 0x00A7};

// The option bit of a function code: which option byte (0: 0x00A6, 1: 0x00A7) and bit.
struct KeyOption {
    int byteIndex = 0;
    int bit = 0;
};
bool KeyFunctionOption(int32_t code, KeyOption& option);
// "GI_Sheet_Sel_Keys_Conv_Lmr", "..._Pmr" or "..._BiisPmr".
const char* KeyFunctionList(int modelType);

// code: the key's function byte; options: the bytes 0x00A6 and 0x00A7. A
// function with an option chosen from the pop-up opens the second pop-up
// "GI_Sheet_Sel_KDisp_KeyOpt_HL" (entry kind FlexKeyOpt) whose answer sets
// the bit. Returns 1 when the code or an option bit changed.
int SelectKeyFunction(indCellCapsule& c, cmcFCache& lists, int modelType, int32_t& code,
                      uint8_t (&options)[2], indPending& pending);

}  // namespace CodecKeys
