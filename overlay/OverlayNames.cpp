#include "OverlayNames.h"

#include <array>
#include <utility>

#include "cmcHash.h"

namespace {

// Windows COLORREF values (0x00BBGGRR); the top bit marks a system colour.
constexpr std::array<std::pair<std::string_view, uint32_t>, 38> kColors = {{
    {"clAqua", 0xFFFF00},
    {"clBlack", 0x000000},
    {"clBlue", 0xFF0000},
    {"clDkGray", 0x808080},
    {"clFuchsia", 0xFF00FF},
    {"clGray", 0x808080},
    {"clGreen", 0x008000},
    {"clLime", 0x00FF00},
    {"clLtGray", 0xC0C0C0},
    {"clMaroon", 0x000080},
    {"clNavy", 0x800000},
    {"clOlive", 0x008080},
    {"clPurple", 0x800080},
    {"clRed", 0x0000FF},
    {"clSilver", 0xC0C0C0},
    {"clTeal", 0x808000},
    {"clWhite", 0xFFFFFF},
    {"clYellow", 0x00FFFF},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", kClWindow},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", kClWindowText},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHightlightText", 0x8000000E},
    {"clBtnFace", kClBtnFace},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", kClGrayText},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
}};

constexpr std::array<std::pair<std::string_view, int>, 19> kCharsets = {{
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

constexpr std::array<std::pair<std::string_view, uint8_t>, 4> kStyles = {{
    {"fsBold", kFontBold},
    {"fsItalic", kFontItalic},
    {"fsUnderline", kFontUnderline},
    {"fsStrikeOut", kFontStrikeOut},
}};

constexpr std::array<std::pair<std::string_view, cmcFontPitch>, 3> kPitches = {{
    {"fpDefault", cmcFontPitch::Default},
    {"fpFixed", cmcFontPitch::Fixed},
    {"fpVariable", cmcFontPitch::Variable},
}};

template <class Table, class Value>
bool FindIn(const Table& table, std::string_view name, Value& value) {
    for (const auto& [key, v] : table) {
        if (key == name) {
            value = v;
            return true;
        }
    }
    return false;
}

// The colour names are looked up by hash, filled on first use.
struct ColorTable {
    ColorTable() {
        for (const auto& [name, value] : kColors) {
            hash.Insert(name, value);
        }
    }
    cmcHash hash{101};
};

}  // namespace

bool FindColor(std::string_view name, uint32_t& color) {
    static const ColorTable table;
    if (const auto* e = table.hash.Find(name)) {
        color = static_cast<uint32_t>(e->value);
        return true;
    }
    return false;
}

bool FindCharset(std::string_view name, int& charset) {
    return FindIn(kCharsets, name, charset);
}

bool FindFontStyle(std::string_view name, uint8_t& styleBit) {
    return FindIn(kStyles, name, styleBit);
}

bool FindPitch(std::string_view name, cmcFontPitch& pitch) {
    return FindIn(kPitches, name, pitch);
}
