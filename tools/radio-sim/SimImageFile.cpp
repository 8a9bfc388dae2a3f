#include "SimImageFile.h"

#include <cstring>

#include "CloneFileComment.h"
#include "ImageChecks.h"
#include "SafeFile.h"
#include "cmcClfFile.h"
#include "cmcInputFile.h"

bool LoadSimImage(const std::string& path, cmcEeprom& image, std::string& error) {
    const cmcInputFile text = ReadInputFile(path, kMaxCloneFileBytes);
    if (text.result != cmcInputFileResult::Ok) {
        error = "cannot open " + path + ": " + InputFileProblem(text, kMaxCloneFileBytes);
        return false;
    }
    image.Resize(MemoryMap::ImageSize);
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderCheck([](int word1, int word2, int& result) {
        return CheckFileHeader(static_cast<uint16_t>(word1), static_cast<uint16_t>(word2), result);
    });
    const int code = file.LoadText(text.contents, nullptr);
    if (code != 0) {
        error = path + ": not a readable clone file (code " + std::to_string(code) + ")";
        return false;
    }
    return true;
}

bool SaveSimImage(const std::string& path, const cmcEeprom& image,
                  const std::vector<AddressRange>& ranges, std::string& error) {
    cmcEeprom copy;
    copy.Assign(image);
    cmcClfFile file;
    file.AttachTarget(&copy);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetComment(CloneFileComment::BuildClfComment(copy));
    const std::string text = file.FormatText(ranges);
    int failure = 0;
    if (SafeFile::WriteFileReplacing(path, text, &failure) != cmcSafeFileResult::Ok) {
        error = "cannot write " + path + ": " + std::strerror(failure);
        return false;
    }
    return true;
}

void DefaultSimImage(cmcEeprom& image, int mapRevision) {
    image.Resize(MemoryMap::ImageSize);
    for (int a = 0; a < MemoryMap::MapExtent; ++a) {
        image.SetByte(a, static_cast<uint8_t>(a * 13 + (a >> 8)));
    }
    image.SetByte(0, static_cast<uint8_t>(MemoryMap::ModelCode >> 8));
    image.SetByte(1, static_cast<uint8_t>(MemoryMap::ModelCode));
    image.SetByte(2, static_cast<uint8_t>(mapRevision));
    for (int address : MemoryMap::SignatureAddresses) {
        image.WriteBlock(address, reinterpret_cast<const uint8_t*>(MemoryMap::Signature),
                         MemoryMap::SignatureLength);
    }
}
