#include "Excerpt.h"

#include <algorithm>
#include <cstdio>

namespace Excerpt {

std::string QuoteExcerpt(std::string_view text, size_t limit) {
    std::string out = "'";
    size_t cut = std::min(limit, text.size());
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 sequence
    }
    const std::string_view shown = text.substr(0, cut);
    for (char ch : shown) {
        if (IsControlByte(ch)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(ch));
            out += escaped;
        } else {
            out.push_back(ch);
        }
    }
    if (shown.size() < text.size()) {
        return out + "...' (" + std::to_string(text.size()) + " bytes)";
    }
    return out + "'";
}

std::string CleanExcerpt(std::string_view text, size_t limit) {
    const bool clean =
        text.size() <= limit && std::none_of(text.begin(), text.end(), IsControlByte);
    return clean ? std::string(text) : QuoteExcerpt(text, limit);
}

}  // namespace Excerpt
