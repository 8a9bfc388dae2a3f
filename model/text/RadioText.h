#pragma once
// The display form of text stored in the radio's character set: printable
// ASCII as itself, "%" doubled, user characters (16..31) and bytes 127..255 as
// "%" and two hex digits; a byte 0..15 ends the text.

#include <cstdint>
#include <string>
#include <string_view>

namespace RadioText {

// At most 255 bytes are converted.
std::string ToDisplay(const uint8_t* bytes, int length);
// Display form back to bytes (at most 255 characters read).
std::string FromDisplay(std::string_view text);
// Writes the display-form text into a fixed field, padded with spaces.
void Store(std::string_view text, uint8_t* field, int length);
// The display form of a fixed field without its trailing spaces.
std::string Show(const uint8_t* field, int length);

}  // namespace RadioText
