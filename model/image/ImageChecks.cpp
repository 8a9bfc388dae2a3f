#include "ImageChecks.h"

#include <cstring>

#include "cmcEeprom.h"

using namespace MemoryMap;

namespace {

bool HasSignature(const cmcEeprom& image, int address) {
    uint8_t bytes[SignatureLength] = {};
    if (!image.IsValidAddress(address + SignatureLength - 1)) {
        return false;
    }
    image.ReadBlock(address, bytes, SignatureLength);
    return std::memcmp(bytes, Signature, SignatureLength) == 0;
}

}  // namespace

bool CheckImageData(const cmcEeprom& image, bool strict) {
    if (image.Size() <= AdrMapRevision) {
        return false;
    }
    const int mapRevision = image.GetByte(AdrMapRevision);
    if (image.GetByte(AdrModelCode) != (ModelCode >> 8) ||
        image.GetByte(AdrModelCode + 1) != (ModelCode & 0xFF) || mapRevision > LongMapRevision) {
        return false;
    }
    if (!strict) {
        return true;
    }
    const int signatures = mapRevision == LongMapRevision ? 3 : 2;
    for (int i = 0; i < signatures; ++i) {
        if (!HasSignature(image, SignatureAddresses[i])) {
            return false;
        }
    }
    return true;
}

bool CheckFileHeader(uint16_t word1, uint16_t word2, int& result) {
    if (word1 != ModelCode) {
        result = 3;
        return false;
    }
    if (word2 != FileRevision && word2 != 0x0100 && word2 != 0x0200) {
        result = 4;
        return false;
    }
    return true;
}

bool IsImageNewer(const cmcEeprom&) {
    return false;
}

std::vector<AddressRange> CloneWriteRanges(bool makerMode, int radioMapRevision) {
    return GetAddressRanges(makerMode ? RangePurpose::CloneRead : RangePurpose::CloneWrite,
                            radioMapRevision);
}
