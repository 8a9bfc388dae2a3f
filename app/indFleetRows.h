#pragma once
// The per-radio values of a fleet write (RADIOS.csv): the first record names
// cells as "SHEET-REF!ITEM[INDEX]", every further record gives one radio its
// values for those cells. Each value is typed into the cell through the item
// handler, with the checks the window applies to typing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class indSheetSession;

// One column: the sheet reference, the item and its index.
struct indFleetCell {
    std::string text;  // as written in the file
    std::string sheet;
    int item = 0;
    int index = 0;
};

struct indFleetRows {
    std::vector<indFleetCell> cells;
    std::vector<std::vector<std::string>> values;  // one per radio, one value per cell
    std::vector<int> lines;                        // the file line of each radio's record
};

// "SHEET-REF!ITEM[INDEX]" (the last '!' divides; "[INDEX]" may be left out for
// index 0); nullopt when the item name is unknown or the form does not fit.
std::optional<indFleetCell> ParseFleetCell(std::string_view text);

// Reads the text of a RADIOS.csv; false with error saying which line or column
// does not fit (an unknown sheet or cell, a record with too many or too few fields).
bool ParseFleetRows(std::string_view text, indFleetRows& rows, std::string& error);

// "CELL=VALUE; ..." for the log.
std::string FleetValuesText(const indFleetRows& rows, int radio);

// Types the values of one radio into the session's working image, cell by
// cell; false with error naming the cell and why at the first value a cell
// refuses (the image then holds the earlier values, so the caller starts the
// radio's next attempt from the file's image again).
bool ApplyFleetRow(indSheetSession& session, const indFleetRows& rows, int radio,
                   std::string& error);
