#include <gtest/gtest.h>

#include "ChLayout.h"
#include "ChannelFixture.h"
#include "ImageDerived.h"
#include "ModelType.h"
#include "NormalizeImage.h"
#include "RadioIdentity.h"

namespace {

cmcEeprom MakeTemplate() {
    cmcEeprom t = BlankTemplate();
    t.SetByte(0, 0x23);
    t.SetByte(1, 0x36);
    t.SetByte(2, 3);
    t.SetByte(8, 0xAA);
    t.SetByte(9, 0xBB);
    t.SetByte(10, 0xCC);
    for (int adr : MemoryMap::SignatureAddresses) {
        SetText(t, adr, "VEXA Inc");
    }
    t.SetByte(ImageDerived::AdrStartChannel, 77);
    t.SetByte(ImageDerived::AdrStartScanList, 5);
    t.SetByte(ImageDerived::AdrStartDtmf, 6);
    for (int ch = 0; ch < 256; ++ch) {
        t.SetByte(ChannelAdr(ch) + 13, 0x5A);  // a byte no field covers
    }
    SetText(t, 0x2000 + 12 * 200, "TEMPLATE    ");
    return t;
}

class Normalize : public ::testing::Test {
  protected:
    const cmcEeprom templ = MakeTemplate();
    cmcEeprom image = CurrentMapImage();  // every channel blank

    static cmcEeprom CurrentMapImage() {
        cmcEeprom i = ChannelImage({256}, 0);
        i.SetByte(2, 3);
        return i;
    }

    void Lockout(int ch, int value) {
        datCh rec(&image);
        rec.Decode(TestKind, ch);
        rec.Set(datField::Lockout, value);
        rec.Encode();
    }
};

}  // namespace

TEST_F(Normalize, IdentityAndTemplateOwnedBits) {
    image = RandomImage(3);
    const cmcEeprom before = image;
    image.SetByte(2, 3);  // current map: no conversion
    NormalizeImage(image, templ, ModelPmr);
    for (int adr : {0, 1, 2, 3, 8, 9, 10, 0x1FF8, 0x2FFF, 0x39F8, 0x39FF}) {
        EXPECT_EQ(image.GetByte(adr), templ.GetByte(adr)) << adr;
    }
    EXPECT_EQ(image.GetByte(145), (before.GetByte(145) & 0xC0) | (templ.GetByte(145) & 0x3F));
    EXPECT_EQ(image.GetByte(165) & 0x5B, templ.GetByte(165) & 0x5B);
    EXPECT_EQ(image.GetByte(165) & 0xA4, before.GetByte(165) & 0xA4);
    EXPECT_EQ(image.GetByte(180), templ.GetByte(180));  // not Lmr
    EXPECT_EQ(image.GetByte(174), before.GetByte(174));
    EXPECT_EQ(image.GetByte(0x3005) & 0xC0, before.GetByte(0x3005) & 0xC0);  // BiisPmr only

    cmcEeprom lmr = before;
    lmr.SetByte(2, 3);
    NormalizeImage(lmr, templ, ModelLmr);
    EXPECT_EQ(lmr.GetByte(174), templ.GetByte(174));
    EXPECT_EQ(lmr.GetByte(194), templ.GetByte(194));
    EXPECT_EQ(lmr.GetByte(180), before.GetByte(180));
    EXPECT_EQ(lmr.GetByte(163) & 0x40, templ.GetByte(163) & 0x40);

    cmcEeprom biis = before;
    biis.SetByte(2, 3);
    NormalizeImage(biis, templ, ModelBiisPmr);
    EXPECT_EQ(biis.GetByte(0x3005 + 6 * 31) & 0xC0, templ.GetByte(0x3005 + 6 * 31) & 0xC0);
}

TEST_F(Normalize, ChannelsKeepTheirFieldsAndBlankOnesBecomeTheTemplates) {
    WriteTestChannel(image, 0, 42);
    image.SetByte(ChannelAdr(0) + 13, 0x11);
    SetText(image, 0x2000 + 12 * 200, "USER NAME   ");  // channel 200 is blank
    image.SetByte(ChLayout::AdrPriorityA, 200);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(ChannelId(image, 0), 42);
    EXPECT_EQ(image.GetByte(ChannelAdr(0) + 13), 0x5A);  // no field: from the template
    EXPECT_EQ(image.GetByte(0x2000 + 12 * 200), 'T');
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityA), 200);  // marks stay
}

TEST_F(Normalize, OldMapRevisionIsConvertedFirst) {
    image.SetByte(2, 1);
    const uint8_t old[] = {0x14, 0x55, 0x06, 0x14, 0x55, 0x06};
    image.WriteBlock(ChannelAdr(3), old, 6);
    NormalizeImage(image, templ, ModelPmr);
    datCh rec(&image);
    rec.Decode(TestKind, 3);
    EXPECT_EQ(rec.RxFreq(), 145506250);
    EXPECT_EQ(image.GetByte(2), 3);
}

TEST_F(Normalize, DefaultsOfBytes19And20) {
    image.SetByte(11, 0x00);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(19), 0x3B);
    EXPECT_EQ(image.GetByte(20), 0x41);
    image.SetByte(11, 0x04);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(19), 0x39);
    EXPECT_EQ(image.GetByte(20), 0x3F);
    image.SetByte(11, 0x01);
    image.SetByte(19, 0x12);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(19), 0x12);
}

TEST_F(Normalize, StartChannelPrefersChannelsNotSkipped) {
    SetBankCount(image, 0, 4);
    SetBankCount(image, 1, 4);
    SetBankCount(image, 2, 248);
    for (int ch : {1, 2, 5, 6}) {
        WriteTestChannel(image, ch, ch);
    }
    Lockout(1, 1);
    Lockout(5, 2);
    Lockout(6, 3);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(230), 2);
    EXPECT_EQ(image.GetByte(240), 2);  // bank 0: channel 2, index 2
    EXPECT_EQ(image.GetByte(241), 1);  // bank 1: only skipped channels, the first in use (5)
    EXPECT_EQ(image.GetByte(242), 0);  // no channel in use
    EXPECT_EQ(image.GetByte(255), 0);

    Lockout(2, 1);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(230), 1);  // all skipped: the first in use

    cmcEeprom empty = CurrentMapImage();
    NormalizeImage(empty, templ, ModelPmr);
    EXPECT_EQ(empty.GetByte(230), 77);  // none in use: the template's value
}

TEST_F(Normalize, StartScanListAndDtmfMemory) {
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(233), 5);
    EXPECT_EQ(image.GetByte(234), 6);
    WriteTestChannel(image, 59, 59);
    image.SetByte(0x0220 + 34 * 3 + 7, 0x10);  // scan list 3 holds channel 59
    image.SetByte(0x0378 + 13 * 4 + 12, 2);    // DTMF memory 4 holds two digits
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(233), 3);
    EXPECT_EQ(image.GetByte(234), 5);
}

TEST_F(Normalize, KeyCharacterBits) {
    SetText(image, 208, "3 7;    ");
    image.SetByte(166, 0xF0);  // bits 5-7 set, bits 1-3 clear
    image.SetByte(167, 0xF1);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(162) & 0x01, 0x01);  // a space among them
    // '3' sets 166 bit 1; ';' 167 bit 3, '7' 167 bit 2. Bits 5-7 stay only beside them.
    EXPECT_EQ(image.GetByte(166), 0x10 | 0x02 | 0x20);
    EXPECT_EQ(image.GetByte(167), 0x11 | 0x04 | 0x08 | 0x40 | 0x80);

    SetText(image, 208, "01234569");
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(162) & 0x01, 0);
    EXPECT_EQ(image.GetByte(166) & 0x0E, 0x0E);
    EXPECT_EQ(image.GetByte(167) & 0x0E, 0x02);
}

TEST_F(Normalize, OpeningMessageBitAndCommentTexts) {
    SetText(image, 0x2E58, std::string(24, ' '));
    image.SetByte(164, 0xFF);
    const uint8_t comment[16] = {'A', 0x00, 0x7F, 'b', 0x1F, 0x80, ' ', '~',
                                 'z', 'z',  'z',  'z', 'z',  'z',  'z', 0xFF};
    image.WriteBlock(0x0140, comment, 16);
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(164), 0xDF);
    EXPECT_EQ(image.GetByte(0x0140), 'A');
    EXPECT_EQ(image.GetByte(0x0141), ' ');
    EXPECT_EQ(image.GetByte(0x0142), ' ');
    EXPECT_EQ(image.GetByte(0x0144), ' ');
    EXPECT_EQ(image.GetByte(0x0145), ' ');
    EXPECT_EQ(image.GetByte(0x0147), '~');
    EXPECT_EQ(image.GetByte(0x014F), ' ');
    EXPECT_EQ(image.GetByte(0x0150), ' ');  // second comment: zeros became spaces

    image.SetByte(0x2E58 + 23, '!');
    NormalizeImage(image, templ, ModelPmr);
    EXPECT_EQ(image.GetByte(164) & 0x20, 0x20);
}

TEST_F(Normalize, CorrectChannelsReplacesOffGridChannels) {
    WriteTestChannel(image, 0, 0);
    datCh rec(&image);
    rec.Decode(TestKind, 0);
    rec.SetRxFreq(145002500);  // 2.5 kHz: neither 5 nor 6.25 kHz grid
    rec.SetTxFreq(145000000);
    rec.Encode();
    WriteTestChannel(image, 1, 1);
    rec.Decode(TestKind, 1);
    rec.SetRxFreq(145006250);
    rec.SetTxFreq(145005000);
    rec.Encode();
    image.SetByte(ChLayout::AdrPriorityB, 0);

    RadioIdentity radio;
    radio.mapRevision = 3;
    radio.cloneInfo[34] = 0x40;  // accepts off-grid channels
    const cmcEeprom before = image;
    EXPECT_FALSE(CorrectChannels(image, templ, ModelPmr, radio, false));
    EXPECT_TRUE(image.IsEqual(before));

    image.SetByte(12, 0x00);  // maker mode reads the image's own bit instead
    EXPECT_TRUE(NeedsChannelCorrection(image, radio, true));
    image.SetByte(12, 0x80);
    EXPECT_FALSE(NeedsChannelCorrection(image, radio, true));

    radio.mapRevision = 1;  // an old radio always gets the correction
    EXPECT_TRUE(CorrectChannels(image, templ, ModelPmr, radio, false));
    EXPECT_EQ(ChannelId(image, 0), -1);
    rec.Decode(TestKind, 1);
    EXPECT_EQ(rec.RxFreq(), 145006250);                                   // on the grids: kept
    EXPECT_EQ(image.GetByte(ChannelAdr(0) + 13), 0x5A);                   // the template's record
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityB), 0);                  // its marks kept
    EXPECT_FALSE(CorrectChannels(image, templ, ModelPmr, radio, false));  // nothing left

    radio.mapRevision = 3;
    radio.cloneInfo[34] = 0x00;
    EXPECT_TRUE(NeedsChannelCorrection(image, radio, false));
}
