#pragma once
// The cell attribute language: a row of cells separated by "|", each cell a
// display text with attribute parts in braces.

#include <cstdint>
#include <string_view>
#include <vector>

#include "cmcCellObj.h"

class cmcGTex;

// A cell includes at most kMaxCellModelIncludes models, nested at most
// kMaxCellModelDepth deep; further includes are ignored, so that models that
// include themselves (once or several times) end quickly.
inline constexpr int kMaxCellModelDepth = 16;
inline constexpr int kMaxCellModelIncludes = 64;

// Takes the first cell off row and returns the rest of the row (a view into
// row). Unless splitOnly is set, the object is reset on base and the cell
// parsed into it, with channelVars (ten integers, may be null) available to
// "@ch" references during the call. Cell models ("$" groups) are read from
// texts, by default the program-wide text table.
std::string_view ParseCell(std::string_view row, cmcCellObj& obj, int32_t* channelVars,
                           const cmcCellObj* base, bool splitOnly, cmcGTex* texts = nullptr);

// Every cell of a row (an empty row has none).
std::vector<cmcCellObj> ParseRow(std::string_view row, const cmcCellObj* base, int32_t* channelVars,
                                 cmcGTex* texts = nullptr);
