#pragma once
// Tab-separated text from a spreadsheet pasted into the open sheet: each line
// goes to a row from the current cell down, each field to the next cell with
// an item from the current column rightwards, typed through the cell session
// as a user would type it. All or nothing: when any cell refuses its field,
// the image is put back exactly as it was and every refused cell is named by
// its row and column headings.

#include <string>
#include <string_view>

class cuiSheet;
class indDocumentContext;

struct indPasteResult {
    bool pasted = false;  // every field was taken
    int typed = 0;        // cells whose text changed
    std::string message;  // not pasted: why, one refused cell a line
};

namespace TextPaste {

indPasteResult PasteTabText(cuiSheet& sheet, indDocumentContext& context, std::string_view text);

}  // namespace TextPaste
