#pragma once
// Comma-separated values as spreadsheets write them: an optional byte-order
// mark, quoted fields (with doubled quotes, commas and line ends inside), and
// CR LF or LF line ends.

#include <string>
#include <string_view>
#include <vector>

struct cmcCsvRecord {
    int line = 0;  // the file line on which the record starts (1-based)
    std::vector<std::string> fields;
};

namespace Csv {

// Every record of text; blank lines are skipped.
std::vector<cmcCsvRecord> ParseCsv(std::string_view text);

// One record as a line (ended with CR LF), quoting fields that need it.
std::string FormatCsvRecord(const std::vector<std::string>& fields);

// A text field as written for spreadsheets, so that they keep it as text: a
// text that a spreadsheet would read as a formula (beginning with =, +, -, @,
// a tab or a carriage return) or as a number, date or time (digits with only
// number punctuation: blanks . , : / + - e E % ( )), and a text that begins
// with an apostrophe, get an apostrophe in front.
std::string ProtectCsvText(std::string_view text);
// A field read back: one leading apostrophe is removed.
std::string UnprotectCsvText(std::string_view text);

}  // namespace Csv
