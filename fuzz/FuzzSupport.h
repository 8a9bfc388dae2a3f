#pragma once
// What the fuzz targets share: a failed expectation ends the run with a
// message (so libFuzzer and the corpus replay both report it), bytes as a
// file without touching the disk, a message box that answers like a user who
// refuses, and the set-up every target that opens documents needs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cmcMessageBoxHost.h"

// Aborts with what when ok is false.
void FuzzExpect(bool ok, const char* what);

// The input bytes as text.
inline std::string_view FuzzText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The lines of text ("\n" ends a line; a last line without one counts).
std::vector<std::string> FuzzLines(std::string_view text);

// Bytes as a file in memory; Path() names it for anything that opens files.
class FuzzMemoryFile {
  public:
    explicit FuzzMemoryFile(std::string_view bytes);
    ~FuzzMemoryFile();
    FuzzMemoryFile(const FuzzMemoryFile&) = delete;
    FuzzMemoryFile& operator=(const FuzzMemoryFile&) = delete;
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

// A directory of its own under /tmp for files a target must write.
std::string FuzzScratchDirectory();

// Every box is answered as a user without a keyboard would (OK, or the refusing choice).
class FuzzQuietBoxes : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;
    int shown = 0;
};

// Once per process: the program path (the overlay and the template files lie
// beside the executable) and the quiet message box.
void FuzzSetUp(const char* argv0);

class indDocument;
class indDocumentContext;

// One document with its item handler, as the window or the command line
// holds it, for targets that import, edit or show sheets.
class FuzzWorkbench {
  public:
    // The document of the model type with its working image the model's
    // template, unmodified: every input starts from the same state.
    static indDocumentContext& Fresh(int modelType);
    static indDocument& Document();
    // Delivers posted events, as the window's loop would.
    static void Pump();
};

class cuiSheet;

// Builds the sheet of a reference over the document, as the window and the
// command line open one, and asks the item handler for every cell's display
// text. Showing a sheet must never change the working image.
void FuzzShowSheet(indDocumentContext& context, const std::string& reference);
