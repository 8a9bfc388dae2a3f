#include "clsSheetRef.h"

clsSheetRef ParseSheetRef(std::string_view reference) {
    clsSheetRef ref;
    std::string_view sheetPart = reference;
    const size_t comma = reference.find(',');
    if (comma != std::string_view::npos) {
        sheetPart = reference.substr(0, comma);
        ref.argument = std::string(reference.substr(comma + 1));
    }
    const size_t open = sheetPart.find('[');
    const size_t close = sheetPart.find(']', open == std::string_view::npos ? 0 : open);
    if (open != std::string_view::npos && close != std::string_view::npos) {
        ref.className = std::string(sheetPart.substr(open + 1, close - open - 1));
        ref.name = std::string(sheetPart.substr(close + 1));
    } else {
        ref.name = std::string(sheetPart);
    }
    return ref;
}
