// make-templates DESCRIPTION OVERLAY OUTDIR: builds the three template images
// from the description and writes each as the clone file that the overlay's
// "GI_App_InitialFile" line of its model type names, in OUTDIR.

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "CloneFileComment.h"
#include "Path.h"
#include "TemplateDescription.h"
#include "cmcClfFile.h"
#include "cmcGTex.h"

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return static_cast<bool>(in);
}

int Write(cmcEeprom& image, const std::string& path) {
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetComment(CloneFileComment::BuildClfComment(image));
    return file.SaveFile(path,
                         GetAddressRanges(RangePurpose::FileSave, MemoryMap::LongMapRevision));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make-templates DESCRIPTION OVERLAY OUTDIR\n");
        return 2;
    }
    std::string description;
    if (!ReadText(argv[1], description)) {
        std::fprintf(stderr, "make-templates: cannot read %s\n", argv[1]);
        return 1;
    }
    cmcGTex overlay;
    overlay.SetFile(argv[2]);
    SetGTex(&overlay);

    std::array<cmcEeprom, ModelTypeCount> images;
    for (cmcEeprom& image : images) {
        image.Resize(MemoryMap::ImageSize);
    }
    TemplateDescription reader;
    if (!reader.Apply(description, images)) {
        std::fprintf(stderr, "make-templates: %s: %s\n", argv[1], reader.Error().c_str());
        return 1;
    }
    for (int type = 0; type < ModelTypeCount; ++type) {
        const std::string path =
            Path::PathJoin(argv[3], overlay.GetText("GI_App_InitialFile", type));
        if (Write(images[static_cast<size_t>(type)], path) != ClfOk) {
            return 1;
        }
    }
    SetGTex(nullptr);
    return 0;
}
