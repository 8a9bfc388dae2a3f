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

// Every record of text; blank lines are skipped.
std::vector<cmcCsvRecord> ParseCsv(std::string_view text);

// One record as a line (ended with CR LF), quoting fields that need it.
std::string FormatCsvRecord(const std::vector<std::string>& fields);
