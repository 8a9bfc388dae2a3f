#pragma once
// The command line of orvane-radio-sim.

#include <cstdint>
#include <string>
#include <vector>

#include "SimFaults.h"

struct SimOptions {
    std::string imageFile;      // --image FILE: a clone file with the radio's EEPROM
    int mapRevision = 3;        // --map-revision N (0-3)
    std::vector<uint8_t> info;  // --info-hex HEX: the 38-byte information block
    std::string linkPath;       // --link PATH
    std::string saveFile;       // --save FILE
    bool pace = false;          // --pace
    SimFaults faults;           // --fault KIND, repeatable
    bool help = false;          // --help or -h: print the usage and exit
};

// False with a message on a bad command line.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

extern const char SimUsage[];
