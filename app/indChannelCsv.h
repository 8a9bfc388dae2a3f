#pragma once
// Channels as comma-separated values: one row per channel in use, with the
// bank, the position in the bank and every channel column the model type's
// bank sheet shows, each as the cell shows it. Importing types each field into
// its cell through the item handler, so the same codecs, lists and checks
// apply as on screen.

#include <string>
#include <string_view>
#include <vector>

class indDocumentContext;

// Every channel in use, with a header line.
std::string ExportChannelCsv(indDocumentContext& context);

struct indCsvProblem {
    int line = 0;        // 1-based line of the file; 0 for the file as a whole
    std::string column;  // the column's name, or empty
    std::string message;
};

// Replaces the channels of the working image with the rows of csv. On any
// error the working image is left exactly as it was and false is returned;
// unknown columns are reported as notes and ignored.
bool ImportChannelCsv(indDocumentContext& context, std::string_view csv,
                      std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes);
