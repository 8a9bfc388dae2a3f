// Hand-made records: what the decoded views of a channel and of a few other
// kinds read, and what their setters write.

#include <gtest/gtest.h>

#include "ChBanks.h"
#include "ModelTestSupport.h"
#include "datCh.h"

namespace {

constexpr int Ch5 = 0x0400 + 20 * 5;

cmcEeprom ImageWithChannel5() {
    cmcEeprom image = ZeroImage();
    // 145.50625 MHz receive (232810 steps), 146.000 MHz transmit with inhibit.
    const uint8_t rec[20] = {0x03, 0x8D, 0x6A, 0x83, 0x90, 0x80, 0x5A, 0xB7,
                             0x13,  // rx DTCS code 0x1AB, tx DTCS inverted code 0x113
                             0x4B,  // B9: monitor bit 0, lockout 2, power 3
                             0x28,  // B10: log 2, monitor bit 1
                             0x92,  // B11: selective call 2, monitor bits 2-3 = 1, auto reset
                             0x88, 0x00, 0x21, 0x45, 0x8A, 0x05, 0x07, 0x33};
    image.WriteBlock(Ch5, rec, 20);
    SetText(image, 0x2000 + 12 * 5, "HARBOUR  1  ");
    image.SetByte(0x0220 + 34 * 0, 0x04);  // list 1 holds channel 5
    image.SetByte(0x0220 + 34 * 9, 0x04);  // list 10 too
    SetWord(image, 0x0100, 10);            // bank 0: channels 0..9
    return image;
}

}  // namespace

TEST(datChViews, ChannelFieldsOfAPmrRecord) {
    cmcEeprom image = ImageWithChannel5();
    datCh rec(&image);
    rec.Decode(KindMchPmr, 5);
    EXPECT_TRUE(rec.Used());
    EXPECT_EQ(rec.State(), datCh::StateUsed);
    EXPECT_EQ(rec.RxFreq(), 145506250);
    EXPECT_EQ(rec.TxFreq(), 146000000);
    EXPECT_EQ(rec.Inhibit(), datCh::InhibitTx);
    const datTone rx = rec.RxTone();
    EXPECT_TRUE(rx.On);
    EXPECT_TRUE(rx.Dtcs);
    EXPECT_FALSE(rx.Inverted);
    EXPECT_EQ(rx.DtcsCode, 0x1AB);
    const datTone tx = rec.TxTone();
    EXPECT_TRUE(tx.On && tx.Dtcs && tx.Inverted);
    EXPECT_EQ(tx.DtcsCode, 0x113);
    EXPECT_EQ(rec.Get(datField::Monitor), 0b0111);  // B9 bit 6, B10 bit 3, B11 bits 5-4 = 01
    EXPECT_EQ(rec.Get(datField::Lockout), 2);
    EXPECT_EQ(rec.Get(datField::OutputPower), 3);
    EXPECT_EQ(rec.Get(datField::Log), 2);
    EXPECT_EQ(rec.Get(datField::SelectiveCall), 2);
    EXPECT_EQ(rec.Get(datField::AutoReset), 1);  // B11 bit 1 is value bit 0
    EXPECT_EQ(rec.Get(datField::Narrow), 1);
    EXPECT_EQ(rec.Get(datField::Biis), 1);
    EXPECT_EQ(rec.Get(datField::ScramblerCode), 0x21);
    EXPECT_EQ(rec.Get(datField::Position), 1);
    EXPECT_EQ(rec.Get(datField::Format), 5);
    EXPECT_EQ(rec.Get(datField::RepeaterLong), 1);
    EXPECT_EQ(rec.Get(datField::RepeaterCode), 0x0A);
    EXPECT_EQ(rec.Get(datField::StationCode), 5);
    EXPECT_EQ(rec.Get(datField::IdCode), 7);
    EXPECT_EQ(rec.Get(datField::RxCodeSet), 0x33);
    EXPECT_EQ(rec.Get(datField::ScanLists), 0b1000000001);  // list 1 in the top bit
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec.Text()), 12), "HARBOUR  1  ");
}

TEST(datChViews, LmrReadsFixedStationAndTheTwoToneCode) {
    cmcEeprom image = ImageWithChannel5();
    datCh rec(&image);
    rec.Decode(KindMchLmr, 5);
    EXPECT_EQ(rec.Get(datField::Format), 0);
    EXPECT_EQ(rec.Get(datField::StationCode), 1);
    EXPECT_EQ(rec.Get(datField::StationLong), 1);
    EXPECT_EQ(rec.Get(datField::TwoToneCode), 0x33);
    EXPECT_FALSE(rec.HasField(datField::RxCodeSet));
    EXPECT_EQ(rec.Get(datField::AutoReset), 1);
    rec.Set(datField::StationCode, 9);  // not stored for Lmr
    rec.Set(datField::AutoReset, 2);    // one bit only
    EXPECT_EQ(rec.Get(datField::StationCode), 1);
    EXPECT_EQ(rec.Get(datField::AutoReset), 0);
}

TEST(datChViews, BlankChannelsAndTakingThemIntoUse) {
    cmcEeprom image = ImageWithChannel5();
    const uint8_t blank[6] = {0xF3, 0x12, 0x34, 0x80, 0x00, 0x00};
    image.WriteBlock(Ch5, blank, 6);
    datCh rec(&image);
    rec.Decode(KindMchPmr, 5);
    EXPECT_FALSE(rec.Used());
    EXPECT_EQ(rec.State(), 0);
    EXPECT_EQ(rec.RxFreq(), 0);

    rec.SetUsed(true);
    rec.SetRxFreq(146520000);
    rec.SetTxFreq(146520000);
    rec.Store();
    EXPECT_TRUE(rec.Used());
    EXPECT_EQ(rec.RxFreq(), 146520000);
    EXPECT_EQ(image.GetByte(Ch5) & 0x80, 0);

    rec.SetUsed(false);
    rec.Encode();
    EXPECT_EQ(image.GetByte(Ch5), 0xFF);
    EXPECT_EQ(image.GetByte(Ch5 + 1), 0x00);
    EXPECT_EQ(image.GetByte(Ch5 + 2), 0x00);
    EXPECT_EQ(image.GetByte(Ch5 + 3), 0x80);  // transmit 0, its inhibit kept
    EXPECT_EQ(image.GetByte(Ch5 + 4), 0x00);
}

TEST(datChViews, FrequencyIsLimitedAndSnappedToTheRaster) {
    cmcEeprom image = ImageWithChannel5();
    datCh rec(&image);
    rec.Decode(KindMchPmr, 5);
    rec.SetRxFreq(146520625);  // 146.520625 MHz lies on no raster point
    EXPECT_EQ(rec.RxFreq(), -1);
    rec.Set(datField::RxSteps, 0x7FFFFF);  // far above the limit
    EXPECT_EQ(rec.RxFreq(), 799995000);
}

TEST(datChViews, NameEmptyBitFollowsTheNameOnEveryEncode) {
    cmcEeprom image = ImageWithChannel5();
    datCh rec(&image);
    rec.Decode(KindMchPmr, 5);
    std::fill(rec.Text(), rec.Text() + 12, ' ');
    rec.Store();
    EXPECT_EQ(rec.Get(datField::NameEmpty), 1);
    rec.Text()[0] = 'A';
    rec.Store();
    EXPECT_EQ(rec.Get(datField::NameEmpty), 0);
    // A stale bit, whatever the edit: the name in the image, the bit as stored.
    struct Case {
        const char* name;
        uint8_t staleBit;
        int expected;
    };
    for (const Case& k : {Case{"A           ", 0x04, 0}, Case{"            ", 0x00, 1}}) {
        for (int i = 0; i < 12; ++i) {
            image.SetByte(0x2000 + 12 * 5 + i, static_cast<uint8_t>(k.name[i]));
        }
        image.SetByte(Ch5 + 10,
                      static_cast<uint8_t>((image.GetByte(Ch5 + 10) & ~0x04) | k.staleBit));
        rec.Reload();
        rec.Set(datField::Log, 3);
        rec.Store();
        EXPECT_EQ(rec.Get(datField::NameEmpty), k.expected) << "name '" << k.name << "'";
    }
}

TEST(datChViews, AttributesComeFromTheGlobalMarks) {
    cmcEeprom image = ImageWithChannel5();
    image.SetByte(0x0099, 5);
    image.SetByte(0x009A, 5);
    image.SetByte(0x0098, 5);
    image.SetByte(0x00A2, 0x20);
    SetBankSmarTrunk(image, 0, true);
    datCh rec(&image);
    rec.Decode(KindMchBiisPmr, 5);
    EXPECT_EQ(rec.Attr(), datCh::AttrPriorityA | datCh::AttrPriorityB | datCh::AttrEmergency |
                              datCh::AttrBankSmarTrunk);
    image.SetByte(0x00A2, 0x00);  // emergency disabled: no E mark
    rec.Reload();
    EXPECT_EQ(rec.Attr() & (datCh::AttrEmergency | datCh::AttrEmergencyDisabled),
              datCh::AttrEmergencyDisabled);

    // Writing marks moves them to the record's row and toggles the bank flag.
    rec.Decode(KindMchBiisPmr, 7);
    rec.SetAttr(datCh::AttrPriorityA | datCh::AttrEmergency);
    rec.Encode();
    EXPECT_EQ(image.GetByte(0x0099), 7);
    EXPECT_EQ(image.GetByte(0x009A), 5);
    EXPECT_EQ(image.GetByte(0x0098), 7);
    EXPECT_EQ(image.GetByte(0x00A2), 0x20);
    EXPECT_FALSE(BankSmarTrunk(image, 0));
}

TEST(datChViews, TwoToneTransmitTypeReadsTheFirstCodeByte) {
    cmcEeprom image = ZeroImage();
    image.SetByte(0x1960, 15);
    datCh rec(&image);
    rec.Decode(KindTwoToneTx, 0);
    EXPECT_EQ(rec.Get(datField::TxType), 0);
    rec.Set(datField::TxType, 1);
    rec.Store();
    EXPECT_EQ(image.GetByte(0x1960), 0xFF);
    EXPECT_EQ(rec.Get(datField::TxType), 1);
    image.SetByte(0x1960, 0x23);  // already another code: setting 1 again keeps it
    rec.Reload();
    rec.Set(datField::TxType, 1);
    rec.Encode();
    EXPECT_EQ(image.GetByte(0x1960), 0x23);
}

TEST(datChViews, SlotsOfFiveToneReceiveCodes) {
    cmcEeprom image = ZeroImage();
    const uint8_t slot2[9] = {0x12, 0x34, 0x5F, 0xFF, 0x40, 0x01, 0x02, 0x03, 0x80};
    image.WriteBlock(0x1A1C + 9 * 2, slot2, 9);
    image.SetByte(0x009D, 0x0E);
    datCh rec(&image);
    rec.Decode(KindRxCode, 2);
    EXPECT_EQ(rec.Data()[0], 0x12);
    EXPECT_EQ(rec.Data()[2], 0x5F);
    EXPECT_EQ(rec.Get(datField::SlotByte0), 0x40);
    EXPECT_EQ(rec.Get(datField::SlotByte4), 0x80);
    EXPECT_EQ(rec.Get(datField::GroupToneDigit), 0x0E);
    rec.Decode(KindRxCode, 0);  // the common slot has no code
    EXPECT_FALSE(rec.HasField(datField::Data));
    EXPECT_TRUE(rec.HasField(datField::SlotByte0));
}

// A damaged bank table can name channels beyond 255: such a row must neither
// read nor write the tables that lie where a 300th channel would be.
TEST(datChViews, ChannelsBeyondTheMemoryReadNothingAndWriteNothing) {
    cmcEeprom image = RandomImage(11);
    const cmcEeprom before = image;
    datCh ch(&image);
    ch.Decode(KindMchPmr, 300);
    EXPECT_EQ(ch.Get(datField::RxSteps), 0);
    EXPECT_EQ(ch.Text()[0], 0);
    ch.SetUsed(true);
    ch.SetRxFreq(146520000);
    ch.Set(datField::Narrow, 1);
    ch.Encode();
    ch.Decode(KindMchPmr, -1);
    ch.Set(datField::Narrow, 1);
    ch.Encode();
    EXPECT_TRUE(image.IsEqual(before));
}
