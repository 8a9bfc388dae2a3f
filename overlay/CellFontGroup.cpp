#include "CellFontGroup.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "CellSyntax.h"
#include "OverlayNames.h"

namespace {

enum Field { kCharset, kName, kColor, kHeight, kSize, kStyle, kPitch, kFieldCount };

// A number sets the value; "%" and n sets n percent of the current value
// (truncated toward zero, at least 1 in magnitude); 0 or no number leaves it.
bool ScaledValue(std::string_view field, int current, int& value) {
    if (field.starts_with('%')) {
        const int64_t scaled = int64_t{current} * ParseDecimal(field.substr(1)) / 100;
        const int64_t limit = std::numeric_limits<int>::max();
        value = static_cast<int>(std::clamp(scaled, -limit, limit));
        if (value == 0) {
            value = current < 0 ? -1 : 1;
        }
        return true;
    }
    value = ParseDecimal(field);
    return value != 0;
}

// Style names joined by "+": the first known name clears the style.
void ApplyStyles(cmcFont& font, std::string_view field) {
    bool cleared = false;
    while (true) {
        const size_t plus = field.find('+');
        uint8_t bit = 0;
        if (FindFontStyle(field.substr(0, plus), bit)) {
            if (!cleared) {
                font.style = 0;
                cleared = true;
            }
            font.style |= bit;
        }
        if (plus == std::string_view::npos) {
            return;
        }
        field.remove_prefix(plus + 1);
    }
}

void ApplyField(cmcFont& font, int field, std::string_view text) {
    int value = 0;
    switch (field) {
        case kCharset:
            FindCharset(text, font.charset);
            break;
        case kName:
            if (!text.empty()) {
                font.name = std::string(text);
            }
            break;
        case kColor:
            FindColor(text, font.color);
            break;
        case kHeight:
            if (ScaledValue(text, font.height, value)) {
                font.SetHeight(value);
            }
            break;
        case kSize:
            if (ScaledValue(text, font.size, value)) {
                font.SetSize(value);
            }
            break;
        case kStyle:
            ApplyStyles(font, text);
            break;
        case kPitch:
            FindPitch(text, font.pitch);
            break;
        default:
            break;
    }
}

}  // namespace

void ApplyFontFields(cmcFont& font, std::string_view fields) {
    for (int field = 0; field < kFieldCount; ++field) {
        const size_t comma = fields.find(',');
        ApplyField(font, field, fields.substr(0, comma));
        if (comma == std::string_view::npos) {
            return;
        }
        fields.remove_prefix(comma + 1);
    }
}
