#pragma once
// Channels as comma-separated values: one row per slot of every bank (a
// blank slot with an empty receive frequency), with every channel column the
// model type's bank sheet shows, each as the cell shows it; text columns are
// written so that spreadsheets keep them as text. Importing keeps a channel
// the row already describes byte for byte and types every other field into its
// cell through the item handler, so the same codecs, lists and checks apply as
// on screen.

#include <string>
#include <string_view>
#include <vector>

class indDocumentContext;

struct indCsvProblem {
    int line = 0;        // 1-based line of the file; 0 for the file as a whole
    std::string column;  // the column's name, or empty
    std::string message;
};

namespace ChannelCsv {

// Every slot of every bank, with a header line.
std::string ExportChannelCsv(indDocumentContext& context);

// "line 3, column RX freq: message" (or without the column, or "file: ..." for line 0).
std::string DescribeCsvProblem(const indCsvProblem& problem);

// Replaces the channels of the working image with the rows of csv. On any
// error the working image is left exactly as it was and false is returned;
// unknown columns and dropped control bytes are reported as notes.
bool ImportChannelCsv(indDocumentContext& context, std::string_view csv,
                      std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes);

}  // namespace ChannelCsv
