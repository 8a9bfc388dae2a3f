#pragma once
// Result codes of clone-file reading and writing, and the user message that
// reports them.

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

// The overlay index name of a code's message; nullptr for 0 and codes outside 1..9.
const char* ClfResultTextName(int code);

// Shows "GI_Mess_FileErr_Headline", a blank line and the code's text in a
// warning box; shows nothing for 0 and codes outside 1..9.
void ShowFileError(int code);
