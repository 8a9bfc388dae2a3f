#include "cmcRecent.h"

#include <algorithm>

bool cmcRecent::SamePath(const std::string& a, const std::string& b) {
    return a == b;
}

void cmcRecent::RemoveEqual(const std::string& path) {
    std::erase_if(entries_, [&](const std::string& e) { return SamePath(e, path); });
}

void cmcRecent::DropBeyondCapacity() {
    if (static_cast<int>(entries_.size()) > capacity_) {
        entries_.resize(static_cast<size_t>(capacity_));
    }
}

void cmcRecent::AddToFront(const std::string& path) {
    RemoveEqual(path);
    entries_.insert(entries_.begin(), path);
    DropBeyondCapacity();
}

void cmcRecent::Append(const std::string& path) {
    RemoveEqual(path);
    entries_.push_back(path);
    DropBeyondCapacity();
}

std::string cmcRecent::Entry(int index) const {
    return index >= 0 && index < Count() ? entries_[static_cast<size_t>(index)] : std::string();
}

namespace {
std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}
}  // namespace

std::string cmcRecent::DisplayName(int index, const std::string& directory) const {
    const std::string path = Entry(index);
    const auto slash = path.find_last_of('/');
    if (path.empty() || slash == std::string::npos) {
        return path;
    }
    const std::string dir = WithoutTrailingSeparator(path.substr(0, slash + 1));
    return SamePath(dir, WithoutTrailingSeparator(directory)) ? path.substr(slash + 1) : path;
}
