#include "SheetStyle.h"

#include <algorithm>

#include "CellFontGroup.h"
#include "CellSyntax.h"
#include "cmcGTex.h"

bool ApplyStyleKey(cmcSheetStyle& style, std::string_view group) {
    const std::string_view value = ValueAfterEquals(group);
    if (group.starts_with("TitleString")) {
        style.titleString = std::string(value);
    } else if (group.starts_with("TitleColor")) {
        FindColor(value, style.titleColor);
    } else if (group.starts_with("TitleFont")) {
        style.titleFont = DefaultPlatformFont();
        ApplyFontFields(style.titleFont, value);
    } else if (group.starts_with("FixedCols")) {
        style.fixedCols = ParseDecimal(value);
    } else if (group.starts_with("FixedRows")) {
        style.fixedRows = ParseDecimal(value);
    } else if (group == "NoPrint") {
        style.noPrint = true;
    } else if (group.starts_with("PrintFontRatio")) {
        style.printFontRatio = ParseDecimal(value);
    } else if (group.starts_with("MultiSelect")) {
        style.multiSelect = value == "Cell"   ? cmcMultiSelect::Cell
                            : value == "Line" ? cmcMultiSelect::Line
                                              : cmcMultiSelect::Single;
    } else {
        return false;
    }
    return true;
}

cmcSheetStyle ParseSheetStyle(std::string_view line, const cmcStyleKey& styleKey) {
    cmcSheetStyle style;
    ForEachGroup(line, [&style, &styleKey](std::string_view group) {
        if (!styleKey || !styleKey(group, style)) {
            ApplyStyleKey(style, group);
        }
    });
    return style;
}

cmcSheetStyle ReadSheetStyle(cmcGTex& texts, const std::string& sheetName,
                             const cmcStyleKey& styleKey) {
    return ParseSheetStyle(texts.GetText(sheetName + "_Style", 0), styleKey);
}

int FixedCount(int fixed, int count) {
    return std::max(0, std::min(fixed, count - 1));
}
