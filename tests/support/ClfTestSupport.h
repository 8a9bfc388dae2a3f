#pragma once
// Shared by the clone-file tests: a scratch folder, file helpers and a
// scripted message box installed for the test's lifetime.

#include <string>

#include "ScopedOverride.h"
#include "cmcEeprom.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

class ScopedMessageBox {
  public:
    cmcScriptedMessageBox box;

  private:
    ScopedOverride<cmcMessageBoxHost> override_{SetCurrentMessageBoxHost, &box};
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& contents);
// An image of the program's size whose bytes follow a fixed pseudo-random pattern.
cmcEeprom PatternImage(unsigned seed);
