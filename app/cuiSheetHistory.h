#pragma once
// Where the cursor and the scroll position of each visited sheet were: one
// entry per sheet reference, newest first, so that reopening a sheet puts the
// cursor back however many other sheets were visited since.

#include <list>
#include <optional>
#include <string>

struct cuiSheetPlace {
    int col = 0;
    int row = 0;
    int leftCol = 0;
    int topRow = 0;
    bool operator==(const cuiSheetPlace&) const = default;
};

class cuiSheetHistory {
  public:
    void Store(const std::string& reference, const cuiSheetPlace& place);
    std::optional<cuiSheetPlace> Find(const std::string& reference) const;
    int Count() const { return static_cast<int>(entries_.size()); }

  private:
    struct Entry {
        std::string reference;
        cuiSheetPlace place;
    };
    std::list<Entry> entries_;
};
