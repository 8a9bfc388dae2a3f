#pragma once
// The parts of one cell: the attribute part (letters and groups) and the
// display part (the shown text with its escapes).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cmcCellObj.h"

class cmcGTex;

// Where the "$" models of one cell come from, and how many it has included.
struct cmcCellModels {
    cmcGTex& texts;
    int depth = 0;
    int included = 0;
};

// Applies an attribute part to obj, within the model limits of CellParser.h.
void ApplyAttributePart(std::string_view part, cmcCellObj& obj, cmcCellModels& models);

// The display text: trimmed, with \N \n \_ \( @chN+k ) and \x escapes
// resolved; none when the trimmed part is empty.
std::optional<std::string> ParseDisplayPart(std::string_view part, const int32_t* channelVars);
