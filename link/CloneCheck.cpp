#include "CloneCheck.h"

#include <algorithm>
#include <cstring>

#include "CloneFrames.h"

namespace CloneCheck {

namespace {

bool FromRadio(const cmcBuff& frame, uint8_t command) {
    return frame.Size() >= 4 && frame.Data()[0] == CloneFrame::Start &&
           frame.Data()[1] == CloneFrame::Program && frame.Data()[2] == CloneFrame::Radio &&
           frame.Data()[3] == command;
}

bool IsBcd(uint8_t b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

int UpperHexDigit(uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Decodes the hex characters from offset to the end; false on a bad digit or
// a character count that is not a multiple of four.
bool DecodeHex(const cmcBuff& frame, int offset, std::vector<uint8_t>& bytes) {
    const int chars = frame.Size() - offset;
    if (chars < 0 || chars % 4 != 0) {
        return false;
    }
    bytes.resize(static_cast<size_t>(chars / 2));
    for (int i = 0; i < chars; i += 2) {
        const int high = UpperHexDigit(frame.Data()[offset + i]);
        const int low = UpperHexDigit(frame.Data()[offset + i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[static_cast<size_t>(i / 2)] = static_cast<uint8_t>(high << 4 | low);
    }
    return true;
}

void MarkReceived(cmcBuff& map, int address, int count) {
    const int needed = (address + count - 1) / 8 + 1;
    if (map.Size() < needed) {
        const int old = map.Size();
        map.SetSize(needed);
        std::memset(map.Data() + old, 0, static_cast<size_t>(needed - old));
    }
    for (int a = address; a < address + count; ++a) {
        map.Data()[a / 8] |= static_cast<uint8_t>(1u << (a % 8));
    }
}

ReadOutcome Bad(CloneResult code) {
    return {ReadOutcome::Bad, code};
}

ReadOutcome TakeData(const cmcBuff& frame, int imageSize, dst_CDrv_Result& result, int& bytesDone) {
    DataFields fields;
    if (!DecodeDataPayload(frame, fields)) {
        return Bad(CloneResult::BadFrame);
    }
    const int count = static_cast<int>(fields.data.size());
    if (count > 0) {
        const int last = fields.address + count - 1;
        if (last >= imageSize || !result.image.IsValidAddress(last)) {
            return Bad(CloneResult::OutsideRanges);
        }
        result.image.WriteBlock(fields.address, fields.data.data(), count);
        MarkReceived(result.receivedMap, fields.address, count);
        bytesDone += count;
    }
    return {ReadOutcome::Data, CloneResult::Success};
}

}  // namespace

bool DecodeDataPayload(const cmcBuff& frame, DataFields& fields) {
    std::vector<uint8_t> bytes;
    if (!DecodeHex(frame, 4, bytes) || bytes.size() < 4) {
        return false;
    }
    const int count = bytes[2];
    unsigned sum = 0;
    for (uint8_t b : bytes) {
        sum += b;
    }
    if (static_cast<int>(bytes.size()) != count + 4 || (sum & 0xFFu) != 0) {
        return false;
    }
    fields.address = bytes[0] << 8 | bytes[1];
    fields.data.assign(bytes.begin() + 3, bytes.end() - 1);
    return true;
}

bool TakeInformation(const cmcBuff& frame, dst_CDrv_Result& result) {
    if (!FromRadio(frame, CloneFrame::Information) || frame.Size() < 8) {
        return false;
    }
    const uint8_t* f = frame.Data();
    if (!IsBcd(f[4]) || !IsBcd(f[5]) || !IsBcd(f[6]) || !IsBcd(f[7])) {
        return false;
    }
    result.modelWord = f[4] << 8 | f[5];
    result.secondWord = f[6] << 8 | f[7];
    result.information.SetBytes(f + 8, frame.Size() - 8);
    return true;
}

bool IsWriteAccepted(const cmcBuff& frame) {
    return frame.Size() == 5 && FromRadio(frame, CloneFrame::WriteStatus) && frame.Data()[4] == 0;
}

ReadOutcome TakeReadFrame(const cmcBuff& frame, int imageSize, dst_CDrv_Result& result,
                          int& bytesDone) {
    if (frame.Size() < CloneFrame::MinRadioFrame || !FromRadio(frame, frame.Data()[3])) {
        return Bad(CloneResult::BadFrame);
    }
    switch (frame.Data()[3]) {
        case CloneFrame::Data:
            return TakeData(frame, imageSize, result, bytesDone);
        case CloneFrame::EndOfData:
            if (frame.Size() == 4 + CloneFrame::MakerLength &&
                std::memcmp(frame.Data() + 4, CloneFrame::MakerBytes, CloneFrame::MakerLength) ==
                    0) {
                return {ReadOutcome::EndOfData, CloneResult::Success};
            }
            return Bad(CloneResult::BadFrame);
        default:
            return Bad(CloneResult::BadFrame);
    }
}

CloneResult CoverageCode(const cmcBuff& receivedMap, const std::vector<AddressRange>& ranges,
                         int imageSize) {
    const int length = (std::max(0, imageSize) + 7) / 8;
    if (receivedMap.Size() > length) {
        return CloneResult::OutsideRanges;
    }
    std::vector<uint8_t> expected(static_cast<size_t>(length), 0);
    for (const AddressRange& r : ranges) {
        for (int a = std::max(0, r.start); a <= r.end && a < length * 8; ++a) {
            expected[static_cast<size_t>(a / 8)] |= static_cast<uint8_t>(1u << (a % 8));
        }
    }
    bool missing = false;
    for (int i = 0; i < length; ++i) {
        const uint8_t got = i < receivedMap.Size() ? receivedMap.Data()[i] : 0;
        const uint8_t want = expected[static_cast<size_t>(i)];
        if ((got & ~want) != 0) {
            return CloneResult::OutsideRanges;
        }
        missing = missing || got != want;
    }
    return missing ? CloneResult::MissingData : CloneResult::Success;
}

}  // namespace CloneCheck
