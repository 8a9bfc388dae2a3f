#pragma once
// The folder holding the programs' data files (overlay, templates, manual):
// the executable's own folder first, so that a build folder works as it is,
// then ../share/orvane/ relative to it, where an installed program has them.

#include <string>
#include <vector>

struct cmcDataLookup {
    // The folder found, with its trailing separator; empty when none holds the marker.
    std::string directory;
    // The folders looked in, in order, each with its trailing separator.
    std::vector<std::string> searched;
    // One message naming every folder looked in (meant for when none was found).
    std::string Message() const;
};

namespace DataDirectory {

// The file whose presence marks a data folder.
inline constexpr char DataMarkerFile[] = "ORVANE.OVL";

// The folders a program in programDirectory looks in, in order.
std::vector<std::string> DataDirectoryCandidates(const std::string& programDirectory);
// The first of those candidates holding marker.
cmcDataLookup FindDataDirectory(const std::string& programDirectory,
                                const std::string& marker = DataMarkerFile);

// The running program's lookup, done once.
const cmcDataLookup& DataLookup();
// The folder found, or else the program's own folder, so that a file error
// still names a real place.
std::string DataDirectory();

}  // namespace DataDirectory
