#pragma once
// The cache of recently read overlay lines (file source): at most 64 lines,
// most recently used first, found by file offset.

#include <cstdint>
#include <list>
#include <string>

class cmcLineCache {
  public:
    static constexpr size_t kCapacity = 64;

    struct Entry {
        int64_t offset;
        int64_t length;  // bytes in the file, line end included
        std::string text;
    };

    // The entry read at offset, moved to the front; nullptr on a miss.
    const Entry* Find(int64_t offset);
    // Puts a new entry at the front, dropping the least recently used one
    // when the cache is full.
    void Insert(int64_t offset, int64_t length, const std::string& text);
    size_t Count() const { return count_; }

  private:
    std::list<Entry> ring_;
    size_t count_ = 0;
};
