#include <gtest/gtest.h>

#include "ChLayout.h"
#include "MapConversion.h"
#include "ModelTestSupport.h"

using namespace MapConversion;

TEST(MapConversion, OldDigitsGainTheSmallestRaiseThatReachesAGrid) {
    const uint8_t f145506[] = {0x14, 0x55, 0x06};
    EXPECT_EQ(OldBcdToHz(f145506), 145506250);  // 145506000 + 250 is a multiple of 6250
    const uint8_t f145500[] = {0x14, 0x55, 0x00};
    EXPECT_EQ(OldBcdToHz(f145500), 145500000);
    const uint8_t f145507[] = {0x14, 0x55, 0x07};
    EXPECT_EQ(OldBcdToHz(f145507), 145507500);  // +500: a multiple of 7500
    const uint8_t f145501[] = {0x14, 0x55, 0x01};
    EXPECT_EQ(OldBcdToHz(f145501), 145501750);  // no candidate fits: +750
    const uint8_t flagged[] = {0x94, 0x55, 0x06};
    EXPECT_EQ(OldBcdToHz(flagged), 145506250);  // the flag bit is no digit
    const uint8_t bad[] = {0x14, 0x5A, 0x06};
    EXPECT_EQ(OldBcdToHz(bad), 0);
}

TEST(MapConversion, NewToOldWritesKhzDigitsKeepingTheFlag) {
    uint8_t bytes[] = {0x80, 0, 0};
    HzToOldBcd(145506250, bytes);
    EXPECT_EQ(bytes[0], 0x94);
    EXPECT_EQ(bytes[1], 0x55);
    EXPECT_EQ(bytes[2], 0x06);
    uint8_t high[] = {0, 0, 0};
    HzToOldBcd(5000000000LL, high);  // beyond six digits: the largest frequency that fits
    EXPECT_EQ(high[0], 0x79);
    EXPECT_EQ(high[2], 0x99);
}

TEST(MapConversion, ImageChannelsAndReferenceBothWays) {
    cmcEeprom image = ZeroImage();
    const int ch0 = ChLayout::ChannelAddress(0);
    const uint8_t old0[] = {0x94, 0x55, 0x06, 0x14, 0x60, 0x00};  // rx inhibited, tx 146.000
    image.WriteBlock(ch0, old0, 6);
    const int ch1 = ChLayout::ChannelAddress(1);
    const uint8_t empty[] = {0xFF, 0x12, 0x34, 0x56, 0x78, 0x9A};
    image.WriteBlock(ch1, empty, 6);
    const uint8_t ref[] = {0x92, 0x80, 0x00};  // flagged 128.000 MHz
    image.WriteBlock(AdrOldReference, ref, 3);

    ConvertToCurrentMap(image);
    // 145506250 / 625 = 232810 = 0x038D6A, inhibit kept
    EXPECT_EQ(image.GetByte(ch0), 0x83);
    EXPECT_EQ(image.GetByte(ch0 + 1), 0x8D);
    EXPECT_EQ(image.GetByte(ch0 + 2), 0x6A);
    // 146000000 / 625 = 233600 = 0x039080
    EXPECT_EQ(image.GetByte(ch0 + 3), 0x03);
    EXPECT_EQ(image.GetByte(ch0 + 4), 0x90);
    EXPECT_EQ(image.GetByte(ch0 + 5), 0x80);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(image.GetByte(ch1 + i), empty[i]) << "empty record byte " << i;
    }
    // 128000000 = 0x07A12000, flag in the top bit
    EXPECT_EQ(image.GetByte(AdrNewReference), 0x87);
    EXPECT_EQ(image.GetByte(AdrNewReference + 1), 0xA1);
    EXPECT_EQ(image.GetByte(AdrNewReference + 2), 0x20);
    EXPECT_EQ(image.GetByte(AdrNewReference + 3), 0x00);

    // A radio of map revision below 2 gets BCD back.
    ConvertToOldMap(image);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(image.GetByte(ch0 + i), old0[i]) << "channel byte " << i;
        EXPECT_EQ(image.GetByte(ch1 + i), empty[i]);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.GetByte(AdrOldReference + i), ref[i]);
    }
}
