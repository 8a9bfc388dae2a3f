#pragma once
// A radio scripted by a test, attached to the serial double: it splits what
// the program sends into frames and answers each request with the bytes the
// test chose.

#include <cstdint>
#include <string>
#include <vector>

#include "cmcSerialDouble.h"

struct ProgramFrame {
    uint8_t command = 0;
    std::vector<uint8_t> body;  // the bytes after the command, 0xFD not included
    int baud = 0;               // line speed when it was sent
    uint32_t at = 0;            // current clock when it was sent
};

class ScriptedRadio {
  public:
    explicit ScriptedRadio(cmcSerialDouble& device);

    std::vector<uint8_t> infoAnswer;    // sent after an 0xE0 request
    std::vector<uint8_t> readAnswer;    // sent after an 0xE2 request
    std::vector<uint8_t> statusAnswer;  // sent after the 0xE5 end of a write

    std::vector<ProgramFrame> frames;  // everything the program sent, in order
    int Count(uint8_t command) const;
    const ProgramFrame* First(uint8_t command) const;

  private:
    void Take(const uint8_t* bytes, int length);

    cmcSerialDouble& device_;
    std::vector<uint8_t> current_;
};

// Radio-side frame builders.
std::vector<uint8_t> RadioFrame(uint8_t command, const std::vector<uint8_t>& body);
std::vector<uint8_t> RadioInfo(uint16_t model, uint16_t second, int infoBytes);
// A radio data frame in hex with the right checksum (lower case on request).
std::vector<uint8_t> RadioData(int address, const std::vector<uint8_t>& data,
                               bool lowerCase = false);
std::vector<uint8_t> RadioEnd();
// Data frames of blockSize bytes over [start, end] of image, then the end frame.
std::vector<uint8_t> RadioRead(const std::vector<uint8_t>& image, int start, int end,
                               int blockSize);
// The hex payload of a program data frame decoded: address, count, data, checksum.
struct DataFrameFields {
    int address = -1;
    int count = -1;
    std::vector<uint8_t> data;
    int checksum = -1;
};
DataFrameFields DecodeDataFrame(const ProgramFrame& frame);
