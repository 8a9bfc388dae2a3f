#pragma once
// The comment line of a saved clone file, made from the image's two 16-byte
// comment texts.

#include <string>

#include "cmcEeprom.h"

namespace CloneFileComment {

// Each byte outside 32..126 becomes a blank; the first text without trailing
// blanks, then the second, and the whole again without trailing blanks.
std::string BuildClfComment(const cmcEeprom& image);

}  // namespace CloneFileComment
