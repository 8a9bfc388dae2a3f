#pragma once
// The lines of a clone file as its reader sees them: CR LF and a lone LF both
// end a line, and a line is delivered in pieces of at most 767 characters (the
// reader's 768-byte line buffer), each piece without its line end.

#include <cstdio>
#include <string>
#include <string_view>

class ClfLineSource {
  public:
    static constexpr size_t MaxPiece = 767;

    explicit ClfLineSource(std::FILE* file) : file_(file) {}
    explicit ClfLineSource(std::string_view text) : text_(text) {}

    // The next line (or piece of a long line); false at the end of the text.
    bool NextLine(std::string& line);

  private:
    static constexpr int None = -2;

    int Raw();  // next byte of the source, or -1 at the end
    int Get();  // next character with CR LF read as LF, or -1 at the end

    std::FILE* file_ = nullptr;
    std::string_view text_;
    size_t pos_ = 0;
    int rawAhead_ = None;  // a source byte read ahead
    int ahead_ = None;     // a character read ahead
};
