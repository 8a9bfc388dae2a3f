#pragma once
// Where the file commands get file names from: the window program shows its
// open and save dialogs, the command-line tool and tests give paths directly.

#include <string>

class indFileChooser {
  public:
    virtual ~indFileChooser() = default;
    // The file to open, starting in directory; false when the user cancelled.
    virtual bool ChooseOpenFile(const std::string& directory, std::string& path) = 0;
    // The file to save to, proposing name in directory (the dialog asks before
    // overwriting); false when the user cancelled.
    virtual bool ChooseSaveFile(const std::string& directory, const std::string& name,
                                std::string& path) = 0;
};
