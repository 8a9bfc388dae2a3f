#pragma once
// Geometry and identity of the memory map of this radio family, and the
// address ranges that each operation covers.

#include <cstdint>
#include <vector>

namespace MemoryMap {

constexpr int ImageSize = 0x4000;    // every image the program creates
constexpr int MapExtent = 0x3A00;    // bytes the largest map revision uses
constexpr int ShortMapEnd = 0x2FFF;  // last address of map revisions 0, 1 and 2
constexpr int LongMapEnd = 0x39FF;   // last address of map revision 3
constexpr int WriteStart = 0x0080;   // first address written outside maker mode
constexpr int LongMapRevision = 3;

constexpr uint16_t ModelCode = 0x2336;
constexpr uint16_t FileRevision = 0x0300;

constexpr int AdrModelCode = 0x0000;  // two bytes, big-endian
constexpr int AdrMapRevision = 0x0002;
constexpr int SignatureLength = 8;
constexpr char Signature[] = "VEXA Inc";  // stored without terminator
constexpr int SignatureAddresses[] = {0x1FF8, 0x2FF8, 0x39F8};

}  // namespace MemoryMap

// An inclusive range of image addresses.
struct AddressRange {
    int start;
    int end;
};

// What a range list is for.
enum class RangePurpose {
    CloneWrite = 0,   // clone write, normal
    CloneRead = 1,    // clone read, and clone write in maker mode
    FileSave = 2,     // save to a clone file
    InitialFile = 3,  // the template file
};

// The ranges of a purpose for a radio of the given map revision. Lists are
// vectors here; the end-marker pair of a raw list is implied by the size.
std::vector<AddressRange> GetAddressRanges(int purpose, int mapRevision);
inline std::vector<AddressRange> GetAddressRanges(RangePurpose purpose, int mapRevision) {
    return GetAddressRanges(static_cast<int>(purpose), mapRevision);
}
// Number of bytes the ranges cover.
int RangeBytes(const std::vector<AddressRange>& ranges);
