#pragma once
// The lines of a clone file as its reader sees them: CR LF and a lone LF both
// end a line, and a line is delivered in pieces of at most 767 characters (the
// reader's 768-byte line buffer), each piece without its line end.

#include <string>
#include <string_view>

class ClfLineSource {
  public:
    static constexpr size_t MaxPiece = 767;

    explicit ClfLineSource(std::string_view text) : text_(text) {}

    // The next line (or piece of a long line); false at the end of the text.
    bool NextLine(std::string& line);
    // The number (from 1) of the line the last piece came from; 0 before the first.
    int LineNumber() const { return lineNumber_; }

  private:
    static constexpr int None = -2;

    int Raw();  // next byte of the source, or -1 at the end
    int Get();  // next character with CR LF read as LF, or -1 at the end

    std::string_view text_;
    size_t pos_ = 0;
    int rawAhead_ = None;  // a source byte read ahead
    int ahead_ = None;     // a character read ahead
    int lineNumber_ = 0;
    bool atLineStart_ = true;  // the next piece begins a new line
};
