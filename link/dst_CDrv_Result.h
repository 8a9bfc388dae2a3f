#pragma once
// The outcome of one exchange with the radio, and the result codes.

#include <cstdint>

#include "cmcBuff.h"
#include "cmcEeprom.h"

// The numbers are the documented result codes; front ends map them to their exit statuses.
enum class CloneResult : uint8_t {
    Success = 0,
    PortFailed = 2,     // the port failed to open or to take its settings
    TimeOut = 5,        // no progress within the current time-out
    BadFrame = 6,       // malformed frame, non-BCD identity, wrong answer
    MissingData = 8,    // read ended with addresses of the ranges missing
    OutsideRanges = 9,  // read data outside the image or the ranges
    WriteRefused = 10,  // write status not 0, or no proper status frame
    WrongRadio = 11,    // wrong model code or information length
    BadImage = 15,      // the image read fails the strict image check
    NewerImage = 16,    // the image read is of a newer map
    WriteFailed = 17,   // the port reported a failed transmission
    Stopped = 18,       // stopped on request, at a frame boundary
    LineLost = 19,      // the line to the radio went away (the device hung up)
};

// The documented number of a result code, for messages and exit statuses.
constexpr int CodeNumber(CloneResult code) {
    return static_cast<int>(code);
}

enum class CloneOperation : uint8_t { None = 0, Information = 1, Read = 2, Write = 3 };

struct dst_CDrv_Result {
    CloneOperation kind = CloneOperation::None;
    CloneResult code = CloneResult::PortFailed;
    int modelWord = 0;    // sent value; the radio's answer after an information exchange
    int secondWord = 0;   // likewise; its high byte is the radio's map revision
    cmcBuff information;  // clone-information bytes of the radio's answer
    cmcEeprom image;      // read: the data received; write: the copy sent
    cmcBuff receivedMap;  // bit (a mod 8) of byte a / 8 set for every address received
};
