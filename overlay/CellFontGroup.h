#pragma once
// The seven comma-separated fields of a "Font=" group: charset, name,
// colour, height, size, style, pitch. An empty or unknown field leaves its
// property unchanged; fields past the seventh are ignored.

#include <string_view>

#include "cmcFont.h"

void ApplyFontFields(cmcFont& font, std::string_view fields);
