#pragma once
// The recent-file list: at most ten paths, most recent first, no duplicates.

#include <string>
#include <vector>

class cmcRecent {
  public:
    explicit cmcRecent(int capacity = 10) : capacity_(capacity) {}

    void AddToFront(const std::string& path);
    void Append(const std::string& path);
    int Count() const { return static_cast<int>(entries_.size()); }
    // The full path of entry index; empty beyond the count.
    std::string Entry(int index) const;
    // The entry's file name alone when it lies in directory, else the full path; empty beyond the
    // count.
    std::string DisplayName(int index, const std::string& directory) const;
    void Clear() { entries_.clear(); }

    // Whether two paths name the same file: compared exactly, since Linux file
    // names are case-sensitive.
    static bool SamePath(const std::string& a, const std::string& b);

  private:
    void RemoveEqual(const std::string& path);
    void DropBeyondCapacity();

    int capacity_;
    std::vector<std::string> entries_;
};
