#pragma once
// The serial trace that the trace window shows: the lines of the running
// exchanges, at most Capacity of them (the oldest go first), held only while
// the window is open. Saved as a text file with the trace file's header.

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "Trace.h"

class indTraceLog : public cmcTraceSink {
  public:
    static constexpr size_t Capacity = 5000;

    void TraceLine(const std::string& line) override;
    // Called with each new line (the window appends it).
    void SetListener(std::function<void(const std::string&)> listener) {
        listener_ = std::move(listener);
    }

    const std::deque<std::string>& Lines() const { return lines_; }
    // Lines dropped for the capacity since the last Clear.
    size_t Dropped() const { return dropped_; }
    // Forgets every line and gives their memory back.
    void Clear();

    // The header and the lines, replacing path as a whole; false with the
    // system's error number when it could not be written (path untouched).
    bool Save(const std::string& path, int& error) const;

  private:
    std::deque<std::string> lines_;
    size_t dropped_ = 0;
    std::function<void(const std::string&)> listener_;
};
