#pragma once
// The bytes of the clone protocol. Every frame starts with 0xFE and ends with
// 0xFD; after the start come the receiver's and the sender's address (0xEE
// the radio, 0xEF the program) and the command. Data travels as upper-case
// ASCII hexadecimal, so the start and end bytes never occur inside a frame.

#include <cstdint>

#include "cmcBuff.h"

class cmcEeprom;

namespace CloneFrame {

constexpr uint8_t Start = 0xFE;
constexpr uint8_t End = 0xFD;
constexpr uint8_t Radio = 0xEE;
constexpr uint8_t Program = 0xEF;

constexpr uint8_t SpeedChange = 0xE8;
constexpr uint8_t InfoRequest = 0xE0;
constexpr uint8_t Information = 0xE1;
constexpr uint8_t ReadRequest = 0xE2;
constexpr uint8_t WriteRequest = 0xE3;
constexpr uint8_t Data = 0xE4;
constexpr uint8_t EndOfData = 0xE5;
constexpr uint8_t WriteStatus = 0xE6;

// The maker bytes of the end-of-data frame: "Vexa Inc.".
constexpr uint8_t MakerBytes[] = {0x56, 0x65, 0x78, 0x61, 0x20, 0x49, 0x6E, 0x63, 0x2E};
constexpr int MakerLength = sizeof MakerBytes;

constexpr int BlockSize = 16;       // most data bytes the program sends in one frame
constexpr int MinRadioFrame = 12;   // shortest radio data frame, 0xFD not counted
constexpr int MaxRadioFrame = 521;  // longest radio frame, 0xFD not counted

// startBytes x 0xFE, then the receiver's and the sender's address and the command.
void AppendHeader(cmcBuff& out, uint8_t receiver, uint8_t sender, uint8_t command, int startBytes);
// The hex payload of a data frame: address (4 digits), count (2), data and checksum (2 each).
void AppendDataPayload(cmcBuff& out, int address, const uint8_t* data, int count);

// Two's complement of the 8-bit sum of the address bytes, the count and the data.
uint8_t Checksum(int address, const uint8_t* data, int count);

// preamble x 0xFE, 0xFE 0xFE 0xEE 0xEF command, model word, second word, 0xFD.
void AppendRequest(cmcBuff& out, uint8_t command, uint16_t model, uint16_t second, int preamble);
// preamble x 0xFE, 0xFE 0xFE 0xEE 0xEF 0xE4, address, count, data, checksum in hex, 0xFD.
void AppendData(cmcBuff& out, int address, const uint8_t* data, int count, int preamble);
// 0xFE 0xFE 0xEE 0xEF 0xE5, the maker bytes, 0xFD.
void AppendEndOfData(cmcBuff& out);

// The number of bytes the data frame starting at address carries: up to the
// next 16-byte boundary, cut short at the range end.
int DataCountAt(int address, int rangeEnd);

// Appends the upper-case hex digits of value, digits wide.
void AppendHex(cmcBuff& out, unsigned value, int digits);

}  // namespace CloneFrame
