#pragma once
// A sheet reference as the tree and the commands name a sheet:
// "[Class]SheetName,Argument". The class chooses the sheet kind, the name the
// overlay sections, the argument what the kind shows (for example "Bank 3").

#include <string>
#include <string_view>

struct clsSheetRef {
    std::string className;  // between "[" and "]"; empty without brackets
    std::string name;       // after "]" (or the whole sheet part)
    std::string argument;   // after the first ","; empty without one
};

// The text before the first "," is the sheet part, the rest the argument.
clsSheetRef ParseSheetRef(std::string_view reference);
