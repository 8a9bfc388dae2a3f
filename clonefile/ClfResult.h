#pragma once
// Result codes of clone-file reading and writing, and the user message that
// reports them.

#include <string>
#include <utility>

enum ClfResult : int {
    ClfOk = 0,
    ClfFileOpen = 1,    // the file cannot be opened
    ClfFileAccess = 2,  // a write to the file failed
    ClfModel = 3,       // header word 1 is not the model code
    ClfExtra = 4,       // header word 2 is not an accepted file revision
    ClfMapRev = 5,      // map revision refused
    ClfFormat = 6,      // header or data line malformed, or the file is empty
    ClfCoverage = 7,    // bytes of the required ranges are missing
    ClfData = 8,        // address outside the image, data outside the ranges, or invalid image
    ClfNewer = 9,       // the image comes from a newer map
};

// Where a clone-file error lies, and why, for its message.
struct ClfErrorPlace {
    ClfErrorPlace() = default;
    ClfErrorPlace(std::string file, int lineAtFault = 0, std::string why = {})
        : path(std::move(file)), line(lineAtFault), reason(std::move(why)) {}

    std::string path;    // the file; empty when none is named
    int line = 0;        // the line at fault, from 1; 0 when no single line is
    std::string reason;  // a further sentence (the system's reason); may be empty
};

// The overlay index name of a code's message; nullptr for 0 and codes outside 1..9.
const char* ClfResultTextName(int code);

// "GI_Mess_FileErr_Headline", a blank line, the code's text, the reason, and a
// line naming the file (and the line) when the place names one; empty for 0
// and codes outside 1..9.
std::string FileErrorText(int code, const ClfErrorPlace& place = {});

// Shows FileErrorText in a warning box; shows nothing for 0 and codes outside 1..9.
void ShowFileError(int code, const ClfErrorPlace& place = {});
