#include "ShownText.h"

#include "ValueText.h"

namespace ShownText {

std::string NormalShownText(std::string_view text) {
    return ValueText::Upper(ValueText::Trim(text));
}

bool IsNumberText(std::string_view text) {
    return !text.empty() && ValueText::HasDigit(text) &&
           text.find_first_not_of("0123456789.-") == std::string_view::npos;
}

bool ShowsTypedText(std::string_view shown, std::string_view typed) {
    const std::string a = NormalShownText(shown), b = NormalShownText(typed);
    return a == b || (IsNumberText(a) && IsNumberText(b) &&
                      ValueText::ParseDecimal(a) == ValueText::ParseDecimal(b));
}

}  // namespace ShownText
