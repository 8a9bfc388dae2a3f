#pragma once
// Checks of the frames the radio sends, and the coverage check after a read.
// Every check reads only inside the frame it is given.

#include <cstdint>
#include <vector>

#include "MemoryMap.h"
#include "cmcBuff.h"
#include "dst_CDrv_Result.h"

namespace CloneCheck {

// The hex payload of a data frame (from byte 4 on), decoded.
struct DataFields {
    int address = 0;
    std::vector<uint8_t> data;
};
// False when a character is not an upper-case hex digit, their number is not
// a multiple of four, the count does not match or the checksum is wrong.
bool DecodeDataPayload(const cmcBuff& frame, DataFields& fields);

// An 0xE1 answer: 0xFE 0xEF 0xEE 0xE1, at least eight bytes, four BCD identity
// bytes. On success the identity words and the information bytes go into result.
bool TakeInformation(const cmcBuff& frame, dst_CDrv_Result& result);

// Exactly 0xFE 0xEF 0xEE 0xE6 0x00.
bool IsWriteAccepted(const cmcBuff& frame);

struct ReadOutcome {
    enum Kind { Data, EndOfData, Bad } kind = Bad;
    CloneResult code = CloneResult::BadFrame;  // for Bad
};

// A frame received during a read. A good data frame is stored into the
// result's image and received map, and its count added to bytesDone.
ReadOutcome TakeReadFrame(const cmcBuff& frame, int imageSize, dst_CDrv_Result& result,
                          int& bytesDone);

// Success when the received map is exactly the ranges, OutsideRanges when it
// has an address outside them, else MissingData.
CloneResult CoverageCode(const cmcBuff& receivedMap, const std::vector<AddressRange>& ranges,
                         int imageSize);

}  // namespace CloneCheck
