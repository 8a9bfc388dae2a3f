#pragma once
// The parts of one cell: the attribute part (letters and groups) and the
// display part (the shown text with its escapes).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cmcCellObj.h"

class cmcGTex;

// Applies an attribute part to obj; "$" models are read from texts, nested
// up to kMaxCellModelDepth.
void ApplyAttributePart(std::string_view part, cmcCellObj& obj, cmcGTex& texts, int depth);

// The display text: trimmed, with \N \n \_ \( @chN+k ) and \x escapes
// resolved; none when the trimmed part is empty.
std::optional<std::string> ParseDisplayPart(std::string_view part, const int32_t* channelVars);
