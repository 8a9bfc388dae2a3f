#pragma once
// The sheets of the setting items as the tree offers them: reference, the
// model types that show the sheet, and whether it needs maker mode.

#include <cstdint>
#include <vector>

#include "cmcCellObj.h"
#include "cuiSheet.h"

struct SettingSheet {
    const char* reference;
    uint8_t models;
    bool maker;
};
const std::vector<SettingSheet>& SettingSheets();

// Every cell bound to an item on the sheets a model type shows (maker sheets included).
std::vector<cmcCellObj> SettingSheetCells(cmcGTex& texts, const cmcEeprom& image, int modelType);
