#pragma once
// The window's File > Import Channels (CSV), Export Channels (CSV) and Compare
// with File: the same files, rules and messages as the command line's
// import-csv, export-csv and diff, answered as values the window shows.

#include <string>
#include <vector>

#include "indImageDiff.h"

class indDocumentContext;

struct indExchangeResult {
    bool ok = false;
    std::string message;             // one sentence: what happened, or why nothing did
    std::vector<std::string> lines;  // every error (or, on success, every note)
};

struct indCompareResult {
    bool ok = false;      // the other file was read
    std::string message;  // why not, when it was not
    indImageDiff diff;
    int modelThis = 0;
    int modelOther = 0;
};

namespace ChannelExchange {

// The channels of the working image replaced by the rows of the CSV file, as
// one undo step. On any error the image is left exactly as it was and every
// error is listed.
indExchangeResult ImportChannelsFromFile(indDocumentContext& context, const std::string& path);
// Every slot of every bank written to the CSV file (replaced whole or not at all).
indExchangeResult ExportChannelsToFile(indDocumentContext& context, const std::string& path);

// The working image against a clone file, cell by cell as the sheets show them.
indCompareResult CompareWithFile(indDocumentContext& context, const std::string& path);

}  // namespace ChannelExchange
