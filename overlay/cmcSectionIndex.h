#pragma once
// The index of the overlay's section headers met so far, in file order: a
// singly linked list. An entry found at place 11 or later moves to the head,
// so that sections in frequent use are found quickly while the first entries
// stay put.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct cmcSectionEntry {
    std::string name;
    int64_t start = 0;             // position of body line 0
    int nextLineIndex = 0;         // the body line after the last one read
    int64_t nextLinePosition = 0;  // and its position
    std::unique_ptr<cmcSectionEntry> next;
};

class cmcSectionIndex {
  public:
    static constexpr size_t kMoveToFrontFrom = 11;

    cmcSectionIndex() = default;
    ~cmcSectionIndex();
    cmcSectionIndex(const cmcSectionIndex&) = delete;
    cmcSectionIndex& operator=(const cmcSectionIndex&) = delete;

    // The first entry of this name, or nullptr.
    cmcSectionEntry* Find(std::string_view name);
    // Adds an entry at the tail and returns it.
    cmcSectionEntry* Append(std::string name, int64_t start);

    const cmcSectionEntry* Head() const { return head_.get(); }
    size_t Count() const { return count_; }

  private:
    std::unique_ptr<cmcSectionEntry> head_;
    cmcSectionEntry* tail_ = nullptr;
    size_t count_ = 0;
};
