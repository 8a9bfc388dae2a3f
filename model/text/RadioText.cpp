#include "RadioText.h"
#include "HexDigit.h"

#include <algorithm>
#include <cstdio>

namespace RadioText {

namespace {
constexpr int MaxLength = 255;

}  // namespace

std::string ToDisplay(const uint8_t* bytes, int length) {
    std::string out;
    for (int i = 0; i < std::min(length, MaxLength); ++i) {
        const uint8_t b = bytes[i];
        if (b < 16) {
            break;
        }
        if (b == '%') {
            out += "%%";
        } else if (b >= 32 && b <= 126) {
            out.push_back(static_cast<char>(b));
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", b);
            out += buf;
        }
    }
    return out;
}

std::string FromDisplay(std::string_view text) {
    text = text.substr(0, std::min<size_t>(text.size(), MaxLength));
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '%') {
            if (i + 1 < text.size() && text[i + 1] == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            // "%" and two hex digits is that byte, unless the byte is 0..15.
            const int hi = i + 1 < text.size() ? HexDigit::HexDigitValue(text[i + 1]) : -1;
            const int lo = i + 2 < text.size() ? HexDigit::HexDigitValue(text[i + 2]) : -1;
            if (hi >= 0 && lo >= 0 && hi * 16 + lo >= 16) {
                out.push_back(static_cast<char>(hi * 16 + lo));
                i += 2;
                continue;
            }
            out.push_back('%');
            continue;
        }
        const auto u = static_cast<unsigned char>(ch);
        out.push_back(u >= 32 ? ch : ' ');
    }
    return out;
}

void Store(std::string_view text, uint8_t* field, int length) {
    const std::string bytes = FromDisplay(text);
    for (int i = 0; i < length; ++i) {
        field[i] = i < static_cast<int>(bytes.size())
                       ? static_cast<uint8_t>(bytes[static_cast<size_t>(i)])
                       : uint8_t{' '};
    }
}

std::string Show(const uint8_t* field, int length) {
    std::string s = ToDisplay(field, length);
    // Trailing spaces are not shown.
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace RadioText
