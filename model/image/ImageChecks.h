#pragma once
// Checks of an image and of a clone file's identity words, and the address
// ranges a clone write covers.

#include <cstdint>
#include <vector>

#include "MemoryMap.h"

class cmcEeprom;

// True when the image belongs to this radio family: model code 0x23 0x36 and
// map revision 0..3. With strict (after a clone read) the signatures at
// 0x1FF8 and 0x2FF8, and at 0x39F8 for map revision 3, must read "VEXA Inc".
bool CheckImageData(const cmcEeprom& image, bool strict);

// Accepts the identity words of a clone file: word1 the model code 0x2336,
// word2 the file revision 0x0300, 0x0100 or 0x0200. On refusal result is set
// to 3 (model) when word1 differs, else to 4 (revision); on acceptance it is
// left alone.
bool CheckFileHeader(uint16_t word1, uint16_t word2, int& result);

// Whether the image comes from a newer map than this program knows: never for
// this radio family.
bool IsImageNewer(const cmcEeprom& image);

// The ranges of a clone write: from address 0 in maker mode (purpose 1), else
// from the normal write start (purpose 0); the end follows the radio's map
// revision.
std::vector<AddressRange> CloneWriteRanges(bool makerMode, int radioMapRevision);
