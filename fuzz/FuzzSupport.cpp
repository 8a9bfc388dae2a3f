#include "FuzzSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "indDocument.h"
#include "indDocumentContext.h"

void FuzzExpect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz expectation failed: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> FuzzLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

FuzzMemoryFile::FuzzMemoryFile(std::string_view bytes) : fd_(memfd_create("fuzz", 0)) {
    FuzzExpect(fd_ >= 0, "memfd_create");
    FuzzExpect(write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
               "write to the memory file");
}

FuzzMemoryFile::~FuzzMemoryFile() {
    close(fd_);
}

std::string FuzzScratchDirectory() {
    // Removed with everything in it when the process ends normally.
    struct Scratch {
        Scratch() {
            char name[] = "/tmp/orvane-fuzz-XXXXXX";
            FuzzExpect(mkdtemp(name) != nullptr, "mkdtemp");
            path = name;
        }
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::string path;
    };
    static const Scratch scratch;
    return scratch.path + "/";
}

cmcMbResult FuzzQuietBoxes::Show(const std::string&, const std::string&, cmcMbButtons buttons,
                                 cmcMbIcon) {
    ++shown;
    return SafeAnswer(buttons);
}

void FuzzSetUp(const char* argv0) {
    static FuzzQuietBoxes boxes;
    SetProgramPath(argv0);
    SetCurrentMessageBoxHost(&boxes);
}

namespace {

class NoCommands : public indCommands {};

struct Bench {
    Bench() : context(document, commands, GTex()) { document.Start(); }
    indDocument document;
    NoCommands commands;
    indDocumentContext context;
};

Bench& TheBench() {
    static Bench* bench = new Bench;  // lives as long as the process: events may name it
    return *bench;
}

}  // namespace

indDocumentContext& FuzzWorkbench::Fresh(int modelType) {
    Bench& b = TheBench();
    b.document.ChangeModelType(modelType, false);
    b.document.WorkingImage().Assign(b.document.TemplateImage());
    b.document.SetFileName("");
    b.document.ClearModified();
    Pump();
    return b.context;
}

indDocument& FuzzWorkbench::Document() {
    return TheBench().document;
}

void FuzzWorkbench::Pump() {
    for (int i = 0; i < 16 && EvMan().QueuedCount() > 0; ++i) {
        EvMan().Pump();
    }
}

void FuzzShowSheet(indDocumentContext& context, const std::string& reference) {
    cmcEeprom before;
    before.Assign(context.WorkingImage());
    {
        std::unique_ptr<cuiSheet> sheet = context.MakeSheet(reference);
        FuzzWorkbench::Pump();
        for (int row = 0; row < sheet->Rows(); ++row) {
            for (int col = 0; col < sheet->Columns(); ++col) {
                indCellCapsule capsule;
                sheet->PrepareCapsule(capsule, row, col);
                capsule.Editable = 0;
                context.Handler().HandleCell(capsule);
            }
        }
    }
    FuzzWorkbench::Pump();
    const cmcEeprom& after = context.WorkingImage();
    bool same = after.Size() == before.Size();
    for (int a = 0; same && a < after.Size(); ++a) {
        same = after.GetByte(a) == before.GetByte(a);
    }
    FuzzExpect(same, "showing a sheet leaves the working image alone");
}
