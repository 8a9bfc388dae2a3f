#include "ChBanks.h"

#include <algorithm>

#include "ChLayout.h"
#include "cmcEeprom.h"
#include "datFieldLayout.h"

using namespace ChLayout;

namespace {

bool IsBank(int bank) {
    return bank >= 0 && bank < Banks;
}

int SmarTrunkAddress(int bank) {
    return BankSmarTrunkFlags + bank / 8;
}
uint8_t SmarTrunkMask(int bank) {
    return static_cast<uint8_t>(0x80 >> (bank % 8));
}

}  // namespace

int BankCount(const cmcEeprom& image, int bank) {
    if (!IsBank(bank)) {
        return 0;
    }
    const int adr = BankTable + 2 * bank;
    return (image.GetByte(adr) << 8) | image.GetByte(adr + 1);
}

void SetBankCount(cmcEeprom& image, int bank, int count) {
    if (!IsBank(bank)) {
        return;
    }
    const int adr = BankTable + 2 * bank;
    image.SetByte(adr, static_cast<uint8_t>(count >> 8));
    image.SetByte(adr + 1, static_cast<uint8_t>(count));
}

int BankFirst(const cmcEeprom& image, int bank) {
    int first = 0;
    for (int b = 0; b < std::min(bank, Banks); ++b) {
        first += BankCount(image, b);
    }
    return first;
}

int BankLast(const cmcEeprom& image, int bank) {
    return BankFirst(image, bank) + BankCount(image, bank) - 1;
}

int BankOf(const cmcEeprom& image, int channel) {
    int first = 0;
    for (int b = 0; b < Banks; ++b) {
        const int count = BankCount(image, b);
        if (channel >= first && channel < first + count) {
            return b;
        }
        first += count;
    }
    return NoBank;
}

int BankOfNth(const cmcEeprom& image, int n) {
    return BankOf(image, n - 1);
}

int TotalChannels(const cmcEeprom& image) {
    return BankFirst(image, Banks);
}

bool IsBlankChannel(const cmcEeprom& image, int channel) {
    return channel < 0 || channel > LastChannel ||
           image.GetByte(ChannelAddress(channel)) >= BlankMarker;
}

int UsedInRange(const cmcEeprom& image, int first, int last) {
    if (first < 0 || last > LastChannel || first > last) {
        return -1;
    }
    int used = 0;
    for (int ch = first; ch <= last; ++ch) {
        used += IsBlankChannel(image, ch) ? 0 : 1;
    }
    return used;
}

int UsedInBank(const cmcEeprom& image, int bank) {
    const int first = std::min(BankFirst(image, bank), static_cast<int>(ChannelCount));
    const int last = std::min(BankLast(image, bank), static_cast<int>(LastChannel));
    return last < first ? 0 : UsedInRange(image, first, last);
}

int UsedTotal(const cmcEeprom& image) {
    int used = 0;
    for (int b = 0; b < Banks; ++b) {
        used += UsedInBank(image, b);
    }
    return used;
}

bool BankSmarTrunk(const cmcEeprom& image, int bank) {
    return IsBank(bank) && (image.GetByte(SmarTrunkAddress(bank)) & SmarTrunkMask(bank)) != 0;
}

void SetBankSmarTrunk(cmcEeprom& image, int bank, bool on) {
    if (!IsBank(bank)) {
        return;
    }
    const uint8_t b = image.GetByte(SmarTrunkAddress(bank));
    image.SetByte(SmarTrunkAddress(bank),
                  static_cast<uint8_t>(on ? b | SmarTrunkMask(bank) : b & ~SmarTrunkMask(bank)));
}

bool AllBlank(const cmcEeprom& image, uint8_t kind, int first, int last) {
    if (!IsChannelKind(kind)) {
        return false;
    }
    for (int ch = first; ch <= last; ++ch) {
        if (!IsBlankChannel(image, ch)) {
            return false;
        }
    }
    return true;
}
