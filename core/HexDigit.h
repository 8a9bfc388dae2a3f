#pragma once
// Hexadecimal digits.

#include <cstdio>
#include <string>

namespace HexDigit {

// The value of a hexadecimal digit ("0"-"9", "a"-"f", "A"-"F"), or -1.
constexpr int HexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

// An image address as the user reads it: four upper-case hex digits ("01A0").
inline std::string Address(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(address));
    return text;
}

// A byte as two upper-case hex digits ("0F").
inline std::string Byte(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value) & 0xFFu);
    return text;
}

}  // namespace HexDigit
