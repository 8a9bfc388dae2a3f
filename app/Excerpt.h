#pragma once
// Outside text quoted in a message: control bytes shown as \xNN (a NUL does
// not end the message), and a long text cut to its first characters followed
// by its length, so that no field floods the terminal.

#include <cstddef>
#include <string>
#include <string_view>

namespace Excerpt {

// 'text', or 'first characters...' (N bytes) when longer than limit bytes.
std::string QuoteExcerpt(std::string_view text, size_t limit = 40);
// text as it is when it is short and holds no control byte, else QuoteExcerpt.
std::string CleanExcerpt(std::string_view text, size_t limit = 40);

// Whether the byte is a control byte (below 0x20, or 0x7F).
constexpr bool IsControlByte(char ch) {
    return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F;
}

}  // namespace Excerpt
