#include "FullImage.h"

#include "ChBanks.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "datCh.h"

void FillAllChannels(cmcEeprom& image, int modelType) {
    const uint8_t kind = ChannelKindOf(modelType);
    for (int bank = 0; bank < 16; ++bank) {
        SetBankCount(image, bank, 16);
    }
    for (int ch = 0; ch < 256; ++ch) {
        datCh rec(&image);
        rec.Decode(kind, ch);
        rec.SetUsed(true);
        rec.SetRxFreq(146000000 + 12500 * ch);
        rec.SetTxFreq(146000000 + 12500 * ch);
        rec.Encode();
    }
}
