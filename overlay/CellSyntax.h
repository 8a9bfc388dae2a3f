#pragma once
// The lexical pieces of the cell language shared by the cell parser and the
// section layouts. Bytes of 0x80 and above (parts of multi-byte UTF-8
// characters) are never syntax.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Cuts the first cell off a row: the text before the first "|" that is not
// escaped by a backslash (the backslash stays in the cell). rest receives
// the text after that "|", or "" when there is none.
std::string_view CutCell(std::string_view row, std::string_view& rest);

// Text inside braces goes to the attribute part, the rest to the display
// part; every brace is dropped and braces do not nest.
void SplitCell(std::string_view cell, std::string& attributes, std::string& display);

// Walks an attribute part left to right: a backslash makes the next character
// plain (skipped), "(" opens a group up to the next unescaped ")", "!" marks
// the next character as negated; every other character goes to onLetter.
void ScanAttributePart(std::string_view text,
                       const std::function<void(char letter, bool negated)>& onLetter,
                       const std::function<void(std::string_view group)>& onGroup);
// Only the groups of a text (style and directive lines).
void ForEachGroup(std::string_view text, const std::function<void(std::string_view group)>& fn);

// A decimal number after optional spaces and sign, clamped to 32 bits; 0
// when there are no digits. used receives the characters taken.
int32_t ParseDecimal(std::string_view text, size_t* used = nullptr);

// The text after the first "=", or "" without one.
std::string_view ValueAfterEquals(std::string_view group);

// "@ch" and one digit N (followed by a non-digit) at the start of text: takes
// them off text and returns N. Anything else, or no channel variables, is
// the internal error "Ch No. Error".
int TakeChannelVar(std::string_view& text, const int32_t* channelVars);

// Spaces and control characters (trimmed around a display part).
inline bool IsBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}
