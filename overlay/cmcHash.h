#pragma once
// Chained hash tables from names to values. The bucket count is fixed at
// construction (0 means 1031); a new entry goes to the head of its chain; a
// name inserted twice is an internal error that ends the program.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cmcInternalErrorBox.h"

inline constexpr uint32_t kDefaultHashBuckets = 1031;

// The bucket of a name: h = 2h + d + c over the bytes taken as signed chars;
// d starts at N/2 and halves whenever the following byte (or the terminating
// zero) is odd, starting again at N/2 when it reaches 0.
uint32_t HashBucket(std::string_view name, uint32_t buckets);

template <class Value>
class cmcChainedHash {
  public:
    struct Entry {
        std::string name;
        Value value;
        std::unique_ptr<Entry> next;
    };

    cmcChainedHash(uint32_t buckets, const char* overlapText)
        : chains_(buckets == 0 ? kDefaultHashBuckets : buckets), overlapText_(overlapText) {}
    ~cmcChainedHash() {
        // Chains are unlinked one entry at a time so that a long chain cannot
        // exhaust the stack.
        for (auto& head : chains_) {
            while (head) {
                head = std::move(head->next);
            }
        }
    }
    cmcChainedHash(const cmcChainedHash&) = delete;
    cmcChainedHash& operator=(const cmcChainedHash&) = delete;

    void Insert(std::string_view name, Value value) {
        if (Find(name) != nullptr) {
            cmcInternalError(overlapText_);
        }
        auto& head = chains_[HashBucket(name, Buckets())];
        head = std::make_unique<Entry>(Entry{std::string(name), value, std::move(head)});
    }

    const Entry* Find(std::string_view name) const {
        for (const Entry* e = Chain(HashBucket(name, Buckets())); e != nullptr; e = e->next.get()) {
            if (e->name == name) {
                return e;
            }
        }
        return nullptr;
    }

    uint32_t Buckets() const { return static_cast<uint32_t>(chains_.size()); }
    const Entry* Chain(uint32_t bucket) const { return chains_[bucket].get(); }

  private:
    std::vector<std::unique_ptr<Entry>> chains_;
    const char* overlapText_;
};

// Names to integers (cell names, colour names).
class cmcHash : public cmcChainedHash<int64_t> {
  public:
    explicit cmcHash(uint32_t buckets = 0) : cmcChainedHash(buckets, "Overlapped Hash table.") {}
};

// Names to choice tables (the choice-table cache).
struct cmcChoiceTable;
class cmcHash2 : public cmcChainedHash<cmcChoiceTable*> {
  public:
    explicit cmcHash2(uint32_t buckets = 0) : cmcChainedHash(buckets, "Overlapped Hash2 table.") {}
};
