#include "cmcSectionIndex.h"

cmcSectionIndex::~cmcSectionIndex() {
    // Unlinked one by one: a large overlay must not exhaust the stack.
    while (head_) {
        head_ = std::move(head_->next);
    }
}

cmcSectionEntry* cmcSectionIndex::Find(std::string_view name) {
    cmcSectionEntry* previous = nullptr;
    size_t place = 0;
    for (cmcSectionEntry* e = head_.get(); e != nullptr; e = e->next.get(), ++place) {
        if (e->name != name) {
            previous = e;
            continue;
        }
        if (place >= kMoveToFrontFrom) {
            std::unique_ptr<cmcSectionEntry> moved = std::move(previous->next);
            previous->next = std::move(moved->next);
            if (tail_ == e) {
                tail_ = previous;
            }
            moved->next = std::move(head_);
            head_ = std::move(moved);
        }
        return e;
    }
    return nullptr;
}

cmcSectionEntry* cmcSectionIndex::Append(std::string name, int64_t start) {
    auto entry = std::make_unique<cmcSectionEntry>();
    entry->name = std::move(name);
    entry->start = start;
    entry->nextLinePosition = start;
    cmcSectionEntry* added = entry.get();
    if (tail_ == nullptr) {
        head_ = std::move(entry);
    } else {
        tail_->next = std::move(entry);
    }
    tail_ = added;
    ++count_;
    return added;
}
