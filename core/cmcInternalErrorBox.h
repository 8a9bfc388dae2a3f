#pragma once
// The internal error box: reports a fault that no user input can reach (a
// broken overlay, an address outside the image) and ends the program with exit
// status 3, skipping the normal shut-down.

#include <string>

// Shows the box. The program's box shows a window; tests install one that throws.
class cmcInternalErrorBox {
  public:
    virtual ~cmcInternalErrorBox() = default;
    virtual void Show(const std::string& caption, const std::string& text) = 0;
};

// Installs the box used by cmcInternalError (nullptr: the default, which
// writes to stderr). Returns the previous one.
cmcInternalErrorBox* SetInternalErrorBox(cmcInternalErrorBox* box);

// The caption of the box: the executable's file name without its directory.
void SetProgramPath(const std::string& argv0);
std::string ProgramFileName();
// The directory of the running executable, with its trailing separator.
std::string ProgramDirectory();

[[noreturn]] void cmcInternalError(const std::string& text);
