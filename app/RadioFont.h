#pragma once
// The radio's dot-matrix font: 8 x 20 dots a character. A glyph is 22 bytes,
// byte 0 and byte 21 zero, bytes 1..20 the dot rows from the top, the
// leftmost column in the most significant bit. Codes 0..15 have no glyph,
// 16..31 are the user characters held in the image, 32..255 the built-in
// table (127..255 Latin-1).

#include <array>
#include <cstdint>
#include <string>

class cmcEeprom;

namespace RadioFont {

constexpr int GlyphBytes = 22;
constexpr int Rows = 20;
constexpr int Columns = 8;
constexpr int UserCount = 16;
constexpr int FirstUserCode = 16;
constexpr int UserAddress = 0x1800;  // glyph n at UserAddress + GlyphBytes * n

using Glyph = std::array<uint8_t, GlyphBytes>;
using UserGlyphs = std::array<Glyph, UserCount>;

// The built-in glyph of a code (all zero for codes without one).
const Glyph& BuiltIn(int code);
// The 16 user characters of an image.
UserGlyphs ReadUserGlyphs(const cmcEeprom& image);
// The glyph a code draws with, or nullptr for codes 0..15 (drawn blank).
const Glyph* Lookup(int code, const UserGlyphs& user);
// Whether dot (row 0..19, column 0..7) is set.
inline bool Dot(const Glyph& glyph, int row, int column) {
    return ((glyph[static_cast<size_t>(row) + 1] >> (7 - column)) & 1) != 0;
}

}  // namespace RadioFont
