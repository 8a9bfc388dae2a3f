#pragma once
// Frequency encodings of the map revisions. Maps 0 and 1 store a frequency as
// six packed-BCD digits of kHz; from map revision 2 on it is a big-endian
// count of 625 Hz units. In both, bit 7 of the first byte is a flag that the
// conversions keep. Affected: the reference frequency (old: bytes 16-18,
// new: bytes 42-45 as a four-byte Hz value with the flag in its top bit) and
// both frequencies of every channel record whose first byte is not 0xFF.

#include <cstdint>

class cmcEeprom;

namespace MapConversion {

constexpr int AdrOldReference = 16;  // 3 bytes
constexpr int AdrNewReference = 42;  // 4 bytes
constexpr int FirstCurrentRevision = 2;

// The Hz of six BCD digits of kHz (flag bit ignored): kHz x 1000 raised by 0,
// 250, 500 or 750 Hz, the first that is a multiple of 5000, 6250 or 7500 Hz,
// else by 750. A digit above 9 gives 0.
int64_t OldBcdToHz(const uint8_t* bytes);
// Writes hz / 1000 as six BCD digits (at most 799999 kHz); keeps bit 7 of bytes[0].
void HzToOldBcd(int64_t hz, uint8_t* bytes);

// Old to new encoding, in place (for images of map revision 0 or 1).
void ConvertToCurrentMap(cmcEeprom& image);
// New to old encoding, in place (before a write to a radio of map revision below 2).
void ConvertToOldMap(cmcEeprom& image);

}  // namespace MapConversion
