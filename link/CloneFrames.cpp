#include "CloneFrames.h"

#include <algorithm>

namespace CloneFrame {

namespace {

// A frame of the program: the preamble, two start bytes, to the radio from the program.
void AppendProgramHeader(cmcBuff& out, uint8_t command, int preamble) {
    AppendHeader(out, Radio, Program, command, std::max(0, preamble) + 2);
}

}  // namespace

void AppendHeader(cmcBuff& out, uint8_t receiver, uint8_t sender, uint8_t command, int startBytes) {
    out.AppendFill(Start, startBytes);
    out.AppendByte(receiver);
    out.AppendByte(sender);
    out.AppendByte(command);
}

uint8_t Checksum(int address, const uint8_t* data, int count) {
    unsigned sum = static_cast<unsigned>(address >> 8) + static_cast<unsigned>(address) +
                   static_cast<unsigned>(count);
    for (int i = 0; i < count; ++i) {
        sum += data[i];
    }
    return static_cast<uint8_t>(0x100u - (sum & 0xFFu));
}

void AppendHex(cmcBuff& out, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out.AppendByte(static_cast<uint8_t>(kDigits[(value >> shift) & 0xFu]));
    }
}

void AppendRequest(cmcBuff& out, uint8_t command, uint16_t model, uint16_t second, int preamble) {
    AppendProgramHeader(out, command, preamble);
    out.AppendByte(static_cast<uint8_t>(model >> 8));
    out.AppendByte(static_cast<uint8_t>(model));
    out.AppendByte(static_cast<uint8_t>(second >> 8));
    out.AppendByte(static_cast<uint8_t>(second));
    out.AppendByte(End);
}

void AppendDataPayload(cmcBuff& out, int address, const uint8_t* data, int count) {
    AppendHex(out, static_cast<unsigned>(address) & 0xFFFFu, 4);
    AppendHex(out, static_cast<unsigned>(count) & 0xFFu, 2);
    for (int i = 0; i < count; ++i) {
        AppendHex(out, data[i], 2);
    }
    AppendHex(out, Checksum(address, data, count), 2);
}

void AppendData(cmcBuff& out, int address, const uint8_t* data, int count, int preamble) {
    AppendProgramHeader(out, Data, preamble);
    AppendDataPayload(out, address, data, count);
    out.AppendByte(End);
}

void AppendEndOfData(cmcBuff& out) {
    AppendProgramHeader(out, EndOfData, 0);
    out.AppendBytes(MakerBytes, MakerLength);
    out.AppendByte(End);
}

int DataCountAt(int address, int rangeEnd) {
    const int toBoundary = BlockSize - (address % BlockSize);
    return std::max(0, std::min(toBoundary, rangeEnd - address + 1));
}

}  // namespace CloneFrame
