#include <gtest/gtest.h>

#include "ChannelFixture.h"

TEST(Banks, PartitionQueries) {
    cmcEeprom image = ChannelImage({10, 0, 5, 20}, 30);
    EXPECT_EQ(BankCount(image, 0), 10);
    EXPECT_EQ(BankFirst(image, 2), 10);
    EXPECT_EQ(BankLast(image, 2), 14);
    EXPECT_LT(BankLast(image, 1), BankFirst(image, 1));  // empty bank
    EXPECT_EQ(TotalChannels(image), 35);
    EXPECT_EQ(BankOf(image, 0), 0);
    EXPECT_EQ(BankOf(image, 9), 0);
    EXPECT_EQ(BankOf(image, 10), 2);
    EXPECT_EQ(BankOf(image, 34), 3);
    EXPECT_EQ(BankOf(image, 35), 16);  // beyond the total
    EXPECT_EQ(BankOf(image, 255), 16);
    EXPECT_EQ(BankOf(image, -1), 16);
    EXPECT_EQ(BankOfNth(image, 11), 2);
    EXPECT_EQ(BankOfNth(image, 36), 16);
}

TEST(Banks, CountsAreBigEndianAndForeignBanksReadZero) {
    cmcEeprom image = ZeroImage();
    SetBankCount(image, 15, 0x0102);
    EXPECT_EQ(image.GetByte(0x011E), 0x01);
    EXPECT_EQ(image.GetByte(0x011F), 0x02);
    const cmcEeprom before = image;
    SetBankCount(image, 16, 9);
    SetBankCount(image, -1, 9);
    EXPECT_TRUE(image.IsEqual(before));
    EXPECT_EQ(BankCount(image, 16), 0);
}

TEST(Banks, UsedChannelCounts) {
    cmcEeprom image = ChannelImage({10, 10}, 15);
    datCh rec(&image);
    rec.Decode(TestKind, 3);
    rec.SetUsed(false);
    rec.Encode();
    EXPECT_EQ(UsedInBank(image, 0), 9);
    EXPECT_EQ(UsedInBank(image, 1), 5);
    EXPECT_EQ(UsedInBank(image, 2), 0);
    EXPECT_EQ(UsedTotal(image), 14);
    EXPECT_EQ(UsedInRange(image, 0, 255), 14);
    EXPECT_EQ(UsedInRange(image, 5, 4), -1);
    EXPECT_EQ(UsedInRange(image, 0, 256), -1);
    EXPECT_EQ(UsedInRange(image, -1, 3), -1);
}

TEST(Banks, SmarTrunkFlagBits) {
    cmcEeprom image = ZeroImage();
    SetBankSmarTrunk(image, 0, true);
    SetBankSmarTrunk(image, 9, true);
    EXPECT_EQ(image.GetByte(0x0096), 0x80);
    EXPECT_EQ(image.GetByte(0x0097), 0x40);
    EXPECT_TRUE(BankSmarTrunk(image, 9));
    EXPECT_FALSE(BankSmarTrunk(image, 8));
    SetBankSmarTrunk(image, 0, false);
    EXPECT_EQ(image.GetByte(0x0096), 0x00);
    SetBankSmarTrunk(image, 16, true);
    EXPECT_FALSE(BankSmarTrunk(image, 16));
}

TEST(Banks, OnlyChannelsCanBeBlank) {
    cmcEeprom image = ChannelImage({20}, 5);
    EXPECT_TRUE(AllBlank(image, TestKind, 5, 19));
    EXPECT_FALSE(AllBlank(image, TestKind, 4, 19));
    EXPECT_FALSE(AllBlank(ZeroImage(), KindDtmf, 0, 7));
    EXPECT_FALSE(AllBlank(ZeroImage(), KindScanList, 0, 0));
}
