#include "ImageDerived.h"

#include <algorithm>

#include "ChBanks.h"
#include "ChLayout.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "datCh.h"

namespace ImageDerived {
namespace {

constexpr int NoChannel = -1;

// The first in-use channel of first..last that is not skipped in scans, else
// the first in-use one, else NoChannel.
int StartChannel(const cmcEeprom& image, uint8_t kind, int first, int last) {
    datCh rec;
    rec.BindReadOnly(&image);
    int firstUsed = NoChannel;
    for (int ch = std::max(first, 0); ch <= std::min(last, ChLayout::LastChannel); ++ch) {
        rec.Decode(kind, ch);
        if (!rec.Used()) {
            continue;
        }
        if (rec.Get(datField::Lockout) == 0) {
            return ch;
        }
        if (firstUsed == NoChannel) {
            firstUsed = ch;
        }
    }
    return firstUsed;
}

bool AnyByte(const uint8_t* bytes, int n) {
    return std::any_of(bytes, bytes + n, [](uint8_t b) { return b != 0; });
}

// The first row of the kind whose selector (scan list: any member; DTMF memory:
// any digit) is set, else NoChannel.
int FirstSelected(const cmcEeprom& image, uint8_t kind) {
    datCh rec;
    rec.BindReadOnly(&image);
    for (int row = KindInfo(kind).firstRow; row <= KindInfo(kind).lastRow; ++row) {
        rec.Decode(kind, row);
        const bool selected = kind == KindDtmf ? rec.Get(datField::DigitCount) != 0
                                               : AnyByte(rec.Data(), datCh::DataSize);
        if (selected) {
            return row;
        }
    }
    return NoChannel;
}

void SetBits(cmcEeprom& image, int address, uint8_t mask, bool on) {
    const uint8_t b = image.GetByte(address);
    image.SetByte(address, static_cast<uint8_t>(on ? b | mask : b & ~mask));
}

void StartFields(cmcEeprom& image, const cmcEeprom& templateImage, int modelType) {
    const uint8_t kind = ChannelKindOf(modelType);
    const int start = StartChannel(image, kind, 0, ChLayout::LastChannel);
    image.SetByte(AdrStartChannel, start == NoChannel ? templateImage.GetByte(AdrStartChannel)
                                                      : static_cast<uint8_t>(start));
    const int scan = FirstSelected(image, KindScanList);
    image.SetByte(AdrStartScanList, scan == NoChannel ? templateImage.GetByte(AdrStartScanList)
                                                      : static_cast<uint8_t>(scan));
    const int dtmf = FirstSelected(image, KindDtmf);
    image.SetByte(AdrStartDtmf, dtmf == NoChannel ? templateImage.GetByte(AdrStartDtmf)
                                                  : static_cast<uint8_t>(dtmf + 1));
    for (int b = 0; b < ChLayout::Banks; ++b) {
        const int first = BankFirst(image, b);
        const int ch = StartChannel(image, kind, first, BankLast(image, b));
        image.SetByte(AdrBankStart + b, ch == NoChannel ? 0 : static_cast<uint8_t>(ch - first));
    }
}

// Bits 1-3 of bytes 166 and 167 say which key characters occur; bits 5-7 stay
// only beside a set bit 1-3.
void KeyCharFields(cmcEeprom& image) {
    struct CharBit {
        char a;
        char b;
        int address;
        uint8_t mask;
    };
    static constexpr CharBit Table[] = {
        {'0', '3', 166, 0x02}, {'1', '4', 166, 0x04}, {'2', '5', 166, 0x08},
        {'6', '9', 167, 0x02}, {'7', ':', 167, 0x04}, {'8', ';', 167, 0x08},
    };
    uint8_t chars[KeyCharCount];
    image.ReadBlock(AdrKeyChars, chars, KeyCharCount);
    SetBits(image, 162, 0x01, std::find(chars, chars + KeyCharCount, ' ') != chars + KeyCharCount);
    SetBits(image, 166, 0x0E, false);
    SetBits(image, 167, 0x0E, false);
    for (const CharBit& t : Table) {
        const bool found = std::any_of(chars, chars + KeyCharCount,
                                       [&](uint8_t c) { return c == t.a || c == t.b; });
        if (found) {
            SetBits(image, t.address, t.mask, true);
        }
    }
    for (int adr : {166, 167}) {
        const uint8_t b = image.GetByte(adr);
        image.SetByte(adr, static_cast<uint8_t>(b & ~(~(b << 4) & 0xE0)));
    }
}

void TextFields(cmcEeprom& image) {
    uint8_t text[OpeningTextSize];
    image.ReadBlock(AdrOpeningText, text, OpeningTextSize);
    SetBits(image, 164, 0x20,
            std::any_of(text, text + OpeningTextSize, [](uint8_t c) { return c != ' '; }));
    for (int adr : {AdrComment1, AdrComment2}) {
        for (int i = adr; i < adr + CommentSize; ++i) {
            const uint8_t c = image.GetByte(i);
            if (c < 32 || c > 126) {
                image.SetByte(i, ' ');
            }
        }
    }
}

}  // namespace

void Recompute(cmcEeprom& image, const cmcEeprom& templateImage, int modelType) {
    StartFields(image, templateImage, modelType);
    KeyCharFields(image);
    TextFields(image);
}

}  // namespace ImageDerived
