#include "cmcHash.h"

uint32_t HashBucket(std::string_view name, uint32_t buckets) {
    if (buckets == 0) {
        buckets = kDefaultHashBuckets;
    }
    const uint32_t reset = buckets >> 1;
    uint32_t h = 0;
    uint32_t d = reset;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<signed char>(name[i]);
        h = 2 * h + d + static_cast<uint32_t>(static_cast<int32_t>(c));
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if ((next & 1u) != 0) {
            d >>= 1;
            if (d == 0) {
                d = reset;
            }
        }
    }
    return h % buckets;
}
