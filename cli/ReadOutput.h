#pragma once
// The clone file that `read -o` saves: checked before the radio is asked, and
// when the save still fails after the read, the image is kept in a fallback
// file in the user's data folder, so that a read is never lost.

#include <string>

class indDocument;

namespace ReadOutput {

// Whether a clone file can be saved at path: its folder takes a new file and
// path names no folder or special file. False with error set to the reason.
bool CanSaveReadOutput(const std::string& path, std::string& error);

// The folder of fallback files: $XDG_DATA_HOME/Orvane, else ~/.local/share/Orvane
// (an XDG_DATA_HOME that is not absolute is ignored); empty without either.
std::string ReadFallbackDirectory();

// Saves the document's image at path; when that fails, saves it under a new
// name in ReadFallbackDirectory() (created when missing) and names that file
// on stderr. True only when it was saved at path.
bool SaveReadOutput(indDocument& document, const std::string& path);

}  // namespace ReadOutput
