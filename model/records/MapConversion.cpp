#include "MapConversion.h"

#include <algorithm>

#include "ChLayout.h"
#include "cmcEeprom.h"
#include "cmcPackedBcd.h"

namespace MapConversion {
namespace {

constexpr int FrequencyDigits = 6;
constexpr int64_t HzPerStep = 625;
constexpr int64_t MaxOldKhz = 799999;

// The unflagged digit bytes of a stored old-format frequency.
void Unflagged(const uint8_t* bytes, uint8_t* out) {
    out[0] = static_cast<uint8_t>(bytes[0] & 0x7F);
    out[1] = bytes[1];
    out[2] = bytes[2];
}

void ForEachChannelFrequency(cmcEeprom& image, void (*convert)(uint8_t*)) {
    for (int ch = 0; ch < ChLayout::ChannelCount; ++ch) {
        const int adr = ChLayout::ChannelAddress(ch);
        uint8_t rec[6] = {};
        if (!image.IsValidAddress(adr + 5)) {
            return;
        }
        image.ReadBlock(adr, rec, 6);
        if (rec[0] == 0xFF) {
            continue;
        }
        convert(rec);
        convert(rec + 3);
        image.WriteBlock(adr, rec, 6);
    }
}

void ToNewField(uint8_t* bytes) {
    const uint32_t steps = static_cast<uint32_t>(OldBcdToHz(bytes) / HzPerStep);
    bytes[0] = static_cast<uint8_t>((bytes[0] & 0x80) | ((steps >> 16) & 0x7F));
    bytes[1] = static_cast<uint8_t>(steps >> 8);
    bytes[2] = static_cast<uint8_t>(steps);
}

void ToOldField(uint8_t* bytes) {
    const int64_t steps = ((bytes[0] & 0x7F) << 16) | (bytes[1] << 8) | bytes[2];
    HzToOldBcd(steps * HzPerStep, bytes);
}

}  // namespace

int64_t OldBcdToHz(const uint8_t* bytes) {
    uint8_t digits[3];
    Unflagged(bytes, digits);
    cmcPackedBcd bcd;
    bcd.UnpackFrom(digits, FrequencyDigits);
    const int64_t khz = bcd.Number();
    if (khz < 0) {
        return 0;
    }
    int64_t hz = khz * 1000;
    for (int64_t raise = 0; raise <= 750; raise += 250) {
        hz = khz * 1000 + raise;
        if (hz % 5000 == 0 || hz % 6250 == 0 || hz % 7500 == 0) {
            break;
        }
    }
    return hz;
}

void HzToOldBcd(int64_t hz, uint8_t* bytes) {
    const uint8_t flag = static_cast<uint8_t>(bytes[0] & 0x80);
    cmcPackedBcd bcd;
    bcd.SetNumber(static_cast<uint32_t>(std::clamp<int64_t>(hz / 1000, 0, MaxOldKhz)),
                  FrequencyDigits);
    bcd.PackTo(bytes);
    bytes[0] = static_cast<uint8_t>(bytes[0] | flag);
}

void ConvertToCurrentMap(cmcEeprom& image) {
    uint8_t old[3] = {};
    if (!image.IsValidAddress(AdrNewReference + 3)) {
        return;
    }
    image.ReadBlock(AdrOldReference, old, 3);
    const uint32_t hz = static_cast<uint32_t>(OldBcdToHz(old)) | ((old[0] & 0x80u) << 24);
    const uint8_t fresh[4] = {static_cast<uint8_t>(hz >> 24), static_cast<uint8_t>(hz >> 16),
                              static_cast<uint8_t>(hz >> 8), static_cast<uint8_t>(hz)};
    image.WriteBlock(AdrNewReference, fresh, 4);
    ForEachChannelFrequency(image, ToNewField);
}

void ConvertToOldMap(cmcEeprom& image) {
    uint8_t cur[4] = {};
    if (!image.IsValidAddress(AdrNewReference + 3)) {
        return;
    }
    image.ReadBlock(AdrNewReference, cur, 4);
    uint8_t old[3] = {static_cast<uint8_t>(cur[0] & 0x80), 0, 0};
    const int64_t hz = ((cur[0] & 0x7F) << 24) | (cur[1] << 16) | (cur[2] << 8) | cur[3];
    HzToOldBcd(hz, old);
    image.WriteBlock(AdrOldReference, old, 3);
    ForEachChannelFrequency(image, ToOldField);
}

}  // namespace MapConversion
