#pragma once
// Creates the sheet object for a sheet reference: class "St_ChBank" gives a
// channel-bank sheet, "St_Common" a model-conditional sheet, any other class a
// plain sheet. The sheet keeps the full reference and has taken the argument;
// it is not built yet.

#include <memory>
#include <string_view>

#include "cuiSheet.h"

namespace SheetFactory {

std::unique_ptr<cuiSheet> CreateSheet(std::string_view reference, const cuiSheetEnv& env);

}  // namespace SheetFactory
