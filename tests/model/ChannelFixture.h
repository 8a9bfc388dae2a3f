#pragma once
// Channel memories for the bank, shift and row tests: every channel in use and
// recognisable by its receive step count (1000 + channel) and its name.

#include <cstdio>
#include <string>

#include "ChBanks.h"
#include "ModelTestSupport.h"
#include "datCh.h"

constexpr uint8_t TestKind = KindMchPmr;

inline int ChannelAdr(int ch) {
    return 0x0400 + 20 * ch;
}

inline void WriteTestChannel(cmcEeprom& image, int ch, int id) {
    datCh rec(&image);
    rec.Decode(TestKind, ch);
    rec.Set(datField::RxInhibit, 0);
    rec.Set(datField::RxSteps, 1000 + id);
    rec.Set(datField::TxSteps, 1000 + id);
    char name[16];
    std::snprintf(name, sizeof name, "CH%03d       ", id);
    std::copy(name, name + 12, rec.Text());
    rec.Encode();
}

// The id of the channel stored at ch, or -1 when it is blank.
inline int ChannelId(const cmcEeprom& image, int ch) {
    datCh rec;
    rec.BindReadOnly(&image);
    rec.Decode(TestKind, ch);
    return rec.Used() ? rec.Get(datField::RxSteps) - 1000 : -1;
}

// Template: all 256 channels blank with blank names; bank 0 holds all.
inline cmcEeprom BlankTemplate() {
    cmcEeprom t = ZeroImage();
    for (int ch = 0; ch < 256; ++ch) {
        t.SetByte(ChannelAdr(ch), 0xFF);
        t.SetByte(ChannelAdr(ch) + 3, 0x80);
        SetText(t, 0x2000 + 12 * ch, "            ");
    }
    t.SetByte(0x0099, 0xFF);  // priority marks point nowhere
    t.SetByte(0x009A, 0xFF);
    t.SetByte(0x0098, 0xFF);
    return t;
}

// An image whose banks have the given counts and whose first `used` channels are in use.
inline cmcEeprom ChannelImage(std::initializer_list<int> counts, int used) {
    cmcEeprom image = BlankTemplate();
    int b = 0;
    for (int n : counts) {
        SetBankCount(image, b++, n);
    }
    image.SetByte(0x00A2, 0x20);  // emergency enabled
    for (int ch = 0; ch < used; ++ch) {
        WriteTestChannel(image, ch, ch);
    }
    return image;
}
