#include "CloneFileLine.h"
#include "HexDigit.h"

#include <climits>

namespace CloneFileLine {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The value of the hex digits text[first .. first + n - 1]; the caller has checked them.
int HexNumber(std::string_view text, size_t first, size_t n) {
    int value = 0;
    for (size_t i = first; i < first + n; ++i) {
        value = value * 16 + HexDigit::HexDigitValue(text[i]);
    }
    return value;
}

void AppendHex(std::string& out, int value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out.push_back(kHexDigits[(value >> shift) & 0xF]);
    }
}

}  // namespace

bool ParseHeaderLine(std::string_view line, int& word1, int& word2) {
    if (line.size() != 8) {
        return false;
    }
    for (char c : line) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    word1 = HexNumber(line, 0, 4);
    word2 = HexNumber(line, 4, 4);
    return true;
}

std::string FormatHeaderLine(int word1, int word2) {
    std::string out;
    AppendHex(out, word1, 4);
    AppendHex(out, word2, 4);
    return out;
}

int ParseMapRevComment(std::string_view text) {
    constexpr std::string_view key = "MapRev=";
    if (text.substr(0, key.size()) != key) {
        return -1;
    }
    int value = 0;
    size_t i = key.size();
    const size_t digitsFrom = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
    }
    return i == digitsFrom ? -1 : value;
}

bool ParseDataLine(std::string_view line, ClfDataLine& out) {
    if (line.size() < ClfDataLine::MinLength || line.size() > ClfDataLine::MaxLength) {
        return false;
    }
    for (char c : line) {
        if (HexDigit::HexDigitValue(c) < 0) {
            return false;
        }
    }
    out.address = HexNumber(line, 0, 4);
    out.count = HexNumber(line, 4, 2);
    if (line.size() != 6 + 2 * static_cast<size_t>(out.count)) {
        return false;
    }
    for (int i = 0; i < out.count; ++i) {
        out.bytes[i] = static_cast<uint8_t>(HexNumber(line, 6 + 2 * static_cast<size_t>(i), 2));
    }
    return true;
}

void AppendDataLine(std::string& out, int address, const uint8_t* bytes, int count) {
    AppendHex(out, address, 4);
    AppendHex(out, count, 2);
    for (int i = 0; i < count; ++i) {
        AppendHex(out, bytes[i], 2);
    }
}

}  // namespace CloneFileLine
