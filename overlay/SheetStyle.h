#pragma once
// The style of a sheet: line 0 of "<sheet>_Style", a list of "(Key=value)"
// groups.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "OverlayNames.h"
#include "cmcFont.h"

class cmcGTex;

enum class cmcMultiSelect : uint8_t { Single = 0, Cell = 1, Line = 2 };

struct cmcSheetStyle {
    std::string titleString;  // empty: no title bar
    uint32_t titleColor = kClGrayText;
    cmcFont titleFont = DefaultPlatformFont();
    int fixedCols = 0;
    int fixedRows = 0;
    bool noPrint = false;
    int printFontRatio = 100;
    cmcMultiSelect multiSelect = cmcMultiSelect::Single;

    bool HasTitle() const { return !titleString.empty(); }
};

// Applies one group with a key every sheet kind knows; false for any other.
bool ApplyStyleKey(cmcSheetStyle& style, std::string_view group);

// A sheet kind's own style keys: sees each group first and returns true when
// it has handled it; other groups go to ApplyStyleKey.
using cmcStyleKey = std::function<bool(std::string_view group, cmcSheetStyle& style)>;

cmcSheetStyle ParseSheetStyle(std::string_view line, const cmcStyleKey& styleKey = nullptr);
cmcSheetStyle ReadSheetStyle(cmcGTex& texts, const std::string& sheetName,
                             const cmcStyleKey& styleKey = nullptr);

// Fixed columns or rows are cut to one less than the sheet's count.
int FixedCount(int fixed, int count);
