#pragma once
// The warning and error marks of channel values on BIIS channels of a
// BiisPmr radio: the cell shows them, the check list counts them, and a
// choice list marks the entries that would get them.

#include <cstdint>

namespace ChannelMarks {

// Capsule flag bits (warning, error) for the item holding value.
uint8_t ChannelMarkFlags(int item, int32_t value, bool isBiis, int modelType);

}  // namespace ChannelMarks
