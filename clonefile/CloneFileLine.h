#pragma once
// The syntax of the clone file's lines: the header line, the comment line and
// the data lines, read and written.

#include <cstdint>
#include <string>
#include <string_view>

// A data line: address (4 hex digits), count (2 hex digits), count bytes.
struct ClfDataLine {
    static constexpr size_t MinLength = 8;
    static constexpr size_t MaxLength = 516;

    int address = 0;
    int count = 0;
    uint8_t bytes[255] = {};
};

namespace CloneFileLine {

// Header: exactly eight decimal digits, each group of four read as a
// hexadecimal word. False when malformed.
bool ParseHeaderLine(std::string_view line, int& word1, int& word2);
// "%04X%04X" of the two words, without line end.
std::string FormatHeaderLine(int word1, int word2);

// A comment line's text after "#" that starts with "MapRev=" and a decimal
// number gives that number; -1 otherwise.
int ParseMapRevComment(std::string_view text);
// False when the line is not 8 to 516 hex digits of length 6 + 2 × count.
bool ParseDataLine(std::string_view line, ClfDataLine& out);
// Appends "%04X%02X" and one "%02X" per byte, without line end.
void AppendDataLine(std::string& out, int address, const uint8_t* bytes, int count);

}  // namespace CloneFileLine
