// Feeds arbitrary bytes to the clone-file reader. Besides surviving any input,
// a file that reads without error must read back the same after being written.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ImageChecks.h"
#include "cmcClfFile.h"

namespace {

const std::vector<AddressRange> kAll = {{0, MemoryMap::LongMapEnd}};

void SetUp(cmcClfFile& file, cmcEeprom& image, bool withCheck) {
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    if (withCheck) {
        file.SetHeaderCheck([](int word1, int word2, int& result) {
            return CheckFileHeader(static_cast<uint16_t>(word1), static_cast<uint16_t>(word2),
                                   result);
        });
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t mode = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    image.Fill(0x5A);
    cmcClfFile file;
    SetUp(file, image, (mode & 1) != 0);
    const int code = file.LoadText(text, (mode & 2) != 0 ? &kAll : nullptr);
    if (code < 0 || code > 9) {
        __builtin_trap();
    }
    if (code != ClfOk) {
        for (int a = 0; a < image.Size(); ++a) {
            if (image.GetByte(a) != 0x5A) {
                __builtin_trap();  // a failed read must leave the target alone
            }
        }
        return 0;
    }

    cmcEeprom again;
    again.Resize(MemoryMap::ImageSize);
    cmcClfFile reader;
    SetUp(reader, again, false);
    if (reader.LoadText(file.FormatText(kAll), &kAll) != ClfOk) {
        __builtin_trap();
    }
    for (int a = 0; a <= MemoryMap::LongMapEnd; ++a) {
        if (again.GetByte(a) != image.GetByte(a)) {
            __builtin_trap();
        }
    }
    return 0;
}
