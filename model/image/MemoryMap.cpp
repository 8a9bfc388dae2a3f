#include "MemoryMap.h"

using namespace MemoryMap;

std::vector<AddressRange> GetAddressRanges(int purpose, int mapRevision) {
    const bool longMap = mapRevision == LongMapRevision;
    switch (purpose) {
        case 0:
            return {{WriteStart, longMap ? LongMapEnd : ShortMapEnd}};
        case 1:
            return {{0, longMap ? LongMapEnd : ShortMapEnd}};
        case 2:
        case 3:
            return {{0, LongMapEnd}};
        default:
            return {{0, ShortMapEnd}};
    }
}

int RangeBytes(const std::vector<AddressRange>& ranges) {
    int n = 0;
    for (const AddressRange& r : ranges) {
        if (r.end >= r.start) {
            n += r.end - r.start + 1;
        }
    }
    return n;
}
