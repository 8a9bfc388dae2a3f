#pragma once
// The compare window's text: every byte of the working image that differs
// from the compare base, as "%04X : %02X -> %02X" (address, base, working),
// in ascending order; "Not match size !" when the sizes differ.

#include <string>
#include <vector>

class cmcEeprom;

namespace DebugCompare {

std::vector<std::string> Lines(const cmcEeprom& base, const cmcEeprom& working);

}  // namespace DebugCompare
