#pragma once
// The faults the simulated radio can show, chosen with --fault KIND.

#include <string>

struct SimFaults {
    bool silent = false;        // never answers
    int badChecksum = 0;        // data frame N (from 1) of a read carries a wrong checksum
    bool lowercase = false;     // read data in lower-case hex
    bool stopEarly = false;     // read data ends before the ranges do, then a correct end frame
    bool outside = false;       // a read frame addressed beyond the image
    bool shortInfo = false;     // 37 information bytes
    bool nonBcd = false;        // identity bytes not BCD
    bool refuseWrite = false;   // write status not 0
    bool noise = false;         // random bytes (never 0xFE) between frames
    int hangup = 0;             // closes the line after N frames of an exchange
    int stallWrite = 0;         // stops reading the line after N data frames of a write
    bool corruptStore = false;  // one byte stored during a write is corrupted
};

// Adds the fault KIND (as in "bad-checksum=3"); false with a message for an unknown one.
bool AddFault(const std::string& kind, SimFaults& faults, std::string& error);
