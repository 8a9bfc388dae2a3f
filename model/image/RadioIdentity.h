#pragma once
// What the radio told about itself in the last information exchange.

#include <array>
#include <cstdint>

struct RadioIdentity {
    static constexpr int CloneInfoSize = 38;

    uint8_t modelHigh = 0;    // model code, high byte
    uint8_t modelLow = 0;     // model code, low byte
    uint8_t mapRevision = 0;  // high byte of the second identity word
    uint8_t revisionLow = 0;  // low byte of the second identity word
    std::array<uint8_t, CloneInfoSize> cloneInfo{};

    // Byte 34 bit 6: the radio accepts channels off the 5 kHz and 6.25 kHz grids.
    bool AcceptsOffGridChannels() const { return (cloneInfo[34] & 0x40) != 0; }
};
