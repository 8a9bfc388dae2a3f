#pragma once
// The special rules of the setting items: value conversions, the 2-tone and
// user-tone detection windows, the MSK address marks, the DTMF slot names and
// the maker's PLL reference tables.

#include <cstdint>
#include <string>

#include "indSettingItem.h"

class datBiisAdr;

namespace SettingRules {

// The value a codec sees for a stored number, and the stored number for a
// value (old is the stored number before, for the bits a value leaves alone).
int32_t ToShown(indConversion conversion, int32_t stored);
int32_t ToStored(indConversion conversion, int32_t shown, int32_t old);

// A detection window in whole Hz.
struct Window {
    int low;
    int high;
};
// 2-tone receive: the centre in tenths of Hz and the +-3 % window around it.
int TwoToneCentre(int low, int high);
Window TwoToneWindow(int centreTenths);
// User tones: the decode window of an encode frequency, within 400..3000 Hz.
Window UserToneWindow(int hz);

// Capsule flag bits (Error) of an MSK address under its rule; row is the own-ID group.
uint8_t AddressMarks(indRule rule, int32_t value, int row, const datBiisAdr& plan);
// CL_Msk_AdrRange_Individual: row 0 and row 1 (group start - 1), fixed texts.
std::string IndividualRangeText(int row, int groupStart);
// CL_Dtmf_ChNo: the name of a DTMF slot.
std::string DtmfSlotName(int row, int modelType);

// PLL reference: the reference bits (bit 4, 2, 1 of byte 0x0B as a 3-bit
// number, bit 4 on top) of a PLL type (bit 0) to the list index, and back.
int PllReferenceIndex(int referenceBits, int pllType);
int PllReferenceBits(int index);
const char* PllReferenceList(int pllType);
constexpr int PllReferenceCount = 7;

}  // namespace SettingRules
