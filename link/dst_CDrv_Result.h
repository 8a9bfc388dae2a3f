#pragma once
// The outcome of one exchange with the radio, and the result codes.

#include <cstdint>

#include "cmcBuff.h"
#include "cmcEeprom.h"

namespace CloneResult {
constexpr uint8_t Success = 0;
constexpr uint8_t PortFailed = 2;     // the port failed to open or to take its settings
constexpr uint8_t TimeOut = 5;        // no progress within the current time-out
constexpr uint8_t BadFrame = 6;       // malformed frame, non-BCD identity, wrong answer
constexpr uint8_t MissingData = 8;    // read ended with addresses of the ranges missing
constexpr uint8_t OutsideRanges = 9;  // read data outside the image or the ranges
constexpr uint8_t WriteRefused = 10;  // write status not 0, or no proper status frame
constexpr uint8_t WrongRadio = 11;    // wrong model code or information length
constexpr uint8_t BadImage = 15;      // the image read fails the strict image check
constexpr uint8_t NewerImage = 16;    // the image read is of a newer map
constexpr uint8_t WriteFailed = 17;   // the port reported a failed transmission
constexpr uint8_t Stopped = 18;       // stopped on request, at a frame boundary
constexpr uint8_t LineLost = 19;      // the line to the radio went away (the device hung up)
}  // namespace CloneResult

enum class CloneOperation : uint8_t { None = 0, Information = 1, Read = 2, Write = 3 };

struct dst_CDrv_Result {
    CloneOperation kind = CloneOperation::None;
    uint8_t code = CloneResult::PortFailed;
    int modelWord = 0;    // sent value; the radio's answer after an information exchange
    int secondWord = 0;   // likewise; its high byte is the radio's map revision
    cmcBuff information;  // clone-information bytes of the radio's answer
    cmcEeprom image;      // read: the data received; write: the copy sent
    cmcBuff receivedMap;  // bit (a mod 8) of byte a / 8 set for every address received
};
