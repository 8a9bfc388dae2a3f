#include "cmcPackedBcd.h"

void cmcPackedBcd::SetNumber(uint32_t value, int count) {
    SetSize(count);
    for (int i = count - 1; i >= 0; --i) {
        At(i) = static_cast<uint8_t>(value % 10);
        value /= 10;
    }
}

int64_t cmcPackedBcd::Number() const {
    int64_t n = 0;
    for (int i = 0; i < Size(); ++i) {
        if (At(i) > 9) {
            return -1;
        }
        n = n * 10 + At(i);
    }
    return n;
}

uint8_t cmcPackedBcd::ReadNibble(const uint8_t* source, int i) {
    const uint8_t b = source[i / 2];
    return static_cast<uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F);
}

void cmcPackedBcd::WriteNibble(uint8_t* dest, int i, uint8_t value) {
    uint8_t& b = dest[i / 2];
    b = i % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (value << 4))
                   : static_cast<uint8_t>((b & 0xF0) | (value & 0x0F));
}

void cmcPackedBcd::PackTo(uint8_t* dest) const {
    for (int i = 0; i < Size(); ++i) {
        WriteNibble(dest, i, At(i));
    }
}

void cmcPackedBcd::UnpackFrom(const uint8_t* source, int count) {
    SetSize(count);
    for (int i = 0; i < count; ++i) {
        At(i) = ReadNibble(source, i);
    }
}
