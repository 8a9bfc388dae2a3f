#include "cuiSheetHistory.h"

void cuiSheetHistory::Store(const std::string& reference, const cuiSheetPlace& place) {
    entries_.remove_if([&](const Entry& e) { return e.reference == reference; });
    entries_.push_front({reference, place});
}

std::optional<cuiSheetPlace> cuiSheetHistory::Find(const std::string& reference) const {
    for (const Entry& e : entries_) {
        if (e.reference == reference) {
            return e.place;
        }
    }
    return std::nullopt;
}
