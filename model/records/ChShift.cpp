#include "ChShift.h"

#include <algorithm>

#include "ChBanks.h"
#include "ChEvents.h"
#include "ChLayout.h"
#include "EventIds.h"
#include "cmcEeprom.h"
#include "datCh.h"

using namespace ChLayout;

namespace {

bool IsRow(int row) {
    return row >= 0 && row <= LastChannel;
}

// Writes row from at row to, the destination keeping its bank's SmarTrunk bit.
void MoveRow(cmcEeprom& image, uint8_t kind, int from, int to) {
    datCh rec(&image);
    rec.Decode(kind, from);
    const uint8_t st = BankSmarTrunk(image, BankOf(image, to)) ? datCh::AttrBankSmarTrunk : 0;
    rec.SetAttr(static_cast<uint8_t>((rec.Attr() & ~datCh::AttrBankSmarTrunk) | st));
    rec.SetRow(to);
    rec.Encode();
}

}  // namespace

datCh ResetToTemplate(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row) {
    datCh current(&image);
    current.Decode(kind, row);
    if (IsChannelKind(kind) && IsRow(row)) {
        uint8_t raw[ChannelSize];
        templateImage.ReadBlock(ChannelAddress(row), raw, ChannelSize);
        image.WriteBlock(ChannelAddress(row), raw, ChannelSize);
    }
    datCh rec;
    rec.BindReadOnly(&templateImage);
    rec.Decode(kind, row);
    rec.Bind(&image);
    rec.SetAttr(current.Attr());
    rec.Encode();
    return rec;
}

uint8_t ShiftUpFrom(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row) {
    if (!IsRow(row)) {
        return 0;
    }
    for (int i = row; i < LastChannel; ++i) {
        MoveRow(image, kind, i + 1, i);
    }
    ResetToTemplate(image, templateImage, kind, LastChannel);
    return ShiftChangeFlags;
}

uint8_t ShiftDownFrom(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row) {
    if (!IsRow(row)) {
        return 0;
    }
    for (int i = LastChannel; i > row; --i) {
        MoveRow(image, kind, i - 1, i);
    }
    ResetToTemplate(image, templateImage, kind, row);
    return ShiftChangeFlags;
}

int ResizeBank(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
               int newCount) {
    if (bank < 0 || bank >= Banks) {
        return 0;
    }
    const int count = BankCount(image, bank);
    if (newCount > count) {
        const int k = std::min(newCount - count, std::max(0, ChannelCount - TotalChannels(image)));
        int pos = BankLast(image, bank) + 1;
        for (int j = 0; j < k; ++j) {
            ShiftDownFrom(image, templateImage, kind, pos++);
        }
        SetBankCount(image, bank, count + k);
    } else if (newCount < count) {
        const int k = count - std::max(0, newCount);
        int pos = BankLast(image, bank);
        for (int j = 0; j < k; ++j) {
            ShiftUpFrom(image, templateImage, kind, pos--);
        }
        SetBankCount(image, bank, count - k);
    }
    return BankCount(image, bank);
}

int BlankTail(const cmcEeprom& image, uint8_t kind, int bank) {
    constexpr uint8_t priority = datCh::AttrPriorityA | datCh::AttrPriorityB;
    datCh rec;
    rec.BindReadOnly(&image);
    int n = 0;
    for (int ch = BankLast(image, bank); ch >= BankFirst(image, bank); --ch) {
        rec.Decode(kind, ch);
        if (!IsRow(ch) || rec.Used() || (rec.Attr() & priority) != 0) {
            break;
        }
        ++n;
    }
    return n;
}

bool InsertChannel(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
                   int row) {
    // The new channel opens inside the bank or just after its last channel.
    const bool inBank = bank >= 0 && bank < Banks && row >= BankFirst(image, bank) &&
                        row <= BankFirst(image, bank) + BankCount(image, bank);
    if (!IsChannelKind(kind) || !inBank || !IsRow(row) || TotalChannels(image) >= ChannelCount) {
        return false;
    }
    ShiftDownFrom(image, templateImage, kind, row);
    SetBankCount(image, bank, BankCount(image, bank) + 1);
    ChEvent::Post(EventIds::ChannelInserted, row);
    ChEvent::Post(EventIds::BankSheetRefresh, row);
    return true;
}

bool DeleteChannel(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
                   int row) {
    const bool inBank =
        bank >= 0 && bank < Banks && row >= BankFirst(image, bank) && row <= BankLast(image, bank);
    if (!IsChannelKind(kind) || !inBank || !IsRow(row)) {
        return false;
    }
    ShiftUpFrom(image, templateImage, kind, row);
    SetBankCount(image, bank, BankCount(image, bank) - 1);
    ChEvent::Post(EventIds::ChannelDeleted, row);
    ChEvent::Post(EventIds::BankSheetRefresh, row);
    ChEvent::Post(EventIds::RepaintBelow, row);
    return true;
}
