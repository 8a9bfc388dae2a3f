#pragma once
// A font as the overlay describes it (no drawing here): the fields of a
// "Font=" group. Height follows the Windows convention (negative: character
// height in pixels); size is in points; both are kept in step at 96 dpi.

#include <cstdint>
#include <string>

enum cmcFontStyleBits : uint8_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

enum class cmcFontPitch : uint8_t { Default, Fixed, Variable };

struct cmcFont {
    int charset = 1;  // DEFAULT_CHARSET
    std::string name = "DejaVu Sans";
    uint32_t color = 0x80000008;  // clWindowText
    int height = -13;
    int size = 10;
    uint8_t style = 0;
    cmcFontPitch pitch = cmcFontPitch::Default;

    void SetHeight(int value);
    void SetSize(int value);

    bool operator==(const cmcFont&) const = default;
};

// The platform's default font, which a cell gets when neither it nor its base
// has a font of its own.
const cmcFont& DefaultPlatformFont();
