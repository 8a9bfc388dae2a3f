#include "cmcLineCache.h"

const cmcLineCache::Entry* cmcLineCache::Find(int64_t offset) {
    for (auto it = ring_.begin(); it != ring_.end(); ++it) {
        if (it->offset == offset) {
            ring_.splice(ring_.begin(), ring_, it);
            return &ring_.front();
        }
    }
    return nullptr;
}

void cmcLineCache::Insert(int64_t offset, int64_t length, const std::string& text) {
    if (count_ == kCapacity) {
        ring_.pop_back();
    } else {
        ++count_;
    }
    ring_.push_front(Entry{offset, length, text});
}
