// A clone file of any bytes, read as the program reads it. The reader alone
// (with and without the header check and the coverage check): a failed read
// leaves the image untouched, a good one reads back the same after being
// written. Then through the document's Open (the file reader, the image and
// map checks, the coverage check): a refused file changes nothing, an opened
// one saves and opens again to the same image.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ImageChecks.h"
#include "ModelType.h"
#include "cmcClfFile.h"
#include "indDocument.h"

namespace {

const std::vector<AddressRange> kAll = {{0, MemoryMap::LongMapEnd}};

bool SameBytes(const cmcEeprom& a, const cmcEeprom& b, int last) {
    for (int i = 0; i <= last; ++i) {
        if (a.GetByte(i) != b.GetByte(i)) {
            return false;
        }
    }
    return true;
}

void AttachReader(cmcClfFile& file, cmcEeprom& image, bool withCheck) {
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    if (withCheck) {
        file.SetHeaderCheck([](int word1, int word2, int& result) {
            return CheckFileHeader(static_cast<uint16_t>(word1), static_cast<uint16_t>(word2),
                                   result);
        });
    }
}

void ReadAndWriteBack(std::string_view text, bool strict) {
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    image.Fill(0x5A);
    cmcEeprom before;
    before.Assign(image);
    cmcClfFile file;
    AttachReader(file, image, strict);
    const int code = file.LoadText(text, strict ? &kAll : nullptr);
    FuzzExpect(code >= ClfOk && code <= ClfNewer, "reader code in range");
    if (code != ClfOk) {
        FuzzExpect(image.IsEqual(before), "a refused file leaves the image alone");
        return;
    }
    cmcEeprom again;
    again.Resize(MemoryMap::ImageSize);
    cmcClfFile reader;
    AttachReader(reader, again, false);
    FuzzExpect(reader.LoadText(file.FormatText(kAll), &kAll) == ClfOk, "written text reads back");
    FuzzExpect(SameBytes(again, image, MemoryMap::LongMapEnd), "written text reads back the same");
}

void OpenInDocument(std::string_view text) {
    FuzzWorkbench::Fresh(ModelLmr);
    indDocument& doc = FuzzWorkbench::Document();
    cmcEeprom before;
    before.Assign(doc.WorkingImage());
    const std::string name = doc.FileName();
    const FuzzMemoryFile file(text);
    const int code = doc.OpenFile(file.Path());
    FuzzExpect(code >= ClfOk && code <= ClfNewer, "open code in range");
    if (code != ClfOk) {
        FuzzExpect(doc.WorkingImage().IsEqual(before),
                   "a refused file leaves the working image alone");
        FuzzExpect(doc.FileName() == name, "a refused file keeps the file name");
        return;
    }
    const std::string saved = FuzzScratchDirectory() + "opened.clf";
    FuzzExpect(doc.SaveToFile(saved), "an opened image saves");
    cmcEeprom reread;
    FuzzExpect(doc.ReadForOpen(saved, reread) == ClfOk, "a saved image opens again");
    FuzzExpect(SameBytes(reread, doc.WorkingImage(), MemoryMap::LongMapEnd),
               "a saved image opens again the same");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    FuzzSetUp((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = FuzzText(data, size);
    ReadAndWriteBack(text, false);
    ReadAndWriteBack(text, true);
    OpenInDocument(text);
    return 0;
}
