#pragma once
// Whether a cell's display text shows what was typed into it: letter case
// and outer blanks aside, and numbers by value ("146.5" shows "146.500").
// The cell session and the CSV import judge typed fields this way.

#include <string>
#include <string_view>

namespace ShownText {

// Trimmed and in upper case.
std::string NormalShownText(std::string_view text);
// Digits with only "." and "-" besides.
bool IsNumberText(std::string_view text);
bool ShowsTypedText(std::string_view shown, std::string_view typed);

}  // namespace ShownText
