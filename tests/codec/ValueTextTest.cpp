#include <gtest/gtest.h>

#include "ValueText.h"

using namespace ValueText;

TEST(ValueText, FilteringAndRoundedParsing) {
    EXPECT_EQ(KeepChars("1a2.b-3", ".-"), "12.-3");
    EXPECT_EQ(ParseRounded(" 12.5 "), 13);
    EXPECT_EQ(ParseRounded("-12.5"), -13);
    EXPECT_EQ(ParseRounded("abc"), 0);
    EXPECT_EQ(ParseRounded("1234567890123"), 123456789);  // cut to nine characters
    EXPECT_EQ(Trim("  a b \t"), "a b");
    EXPECT_EQ(Upper("023i"), "023I");
}

TEST(ValueText, RasterSnapFollowsTheTypedPrecision) {
    EXPECT_EQ(SnapToRaster(TypedFrequency("146.52"), false), 146520000);
    // No 2.5 or 3.125 kHz point within 146.521200 .. 146.521299 MHz.
    EXPECT_EQ(SnapToRaster(TypedFrequency("146.5212"), false), -1);
    EXPECT_EQ(SnapToRaster(146506250, false), 146506250);
    // A stored value on no raster point decodes as -1.
    EXPECT_EQ(SnapToRaster(146520625, false), -1);
    // Typed with 100 kHz precision, the first raster point at or above it wins.
    EXPECT_EQ(SnapToRaster(TypedFrequency("145.1"), false), 145100000);
    EXPECT_EQ(SnapToRaster(145003125, true), -1);
    EXPECT_EQ(SnapToRaster(145006250, true), 145006250);
}

TEST(ValueText, FrequencyText) {
    EXPECT_EQ(FormatFrequency(146520000), "146.520000");
    EXPECT_EQ(FormatFrequency(0), "0.000000");
    EXPECT_EQ(TypedFrequency("999.9999999"), 799999999);
    EXPECT_EQ(TypedFrequency("x"), 0);
}

TEST(ValueText, FixedPointFormatsAndParses) {
    EXPECT_EQ(FormatFixedPoint(12345, 2, 2), "123.45");
    EXPECT_EQ(FormatFixedPoint(5, 1, 2), "  0.50");
    EXPECT_EQ(FormatFixedPoint(-5, 1, 1), " -0.5");
    EXPECT_EQ(FormatFixedPoint(-15, 1, 1), " -1.5");
    int32_t v = 0;
    ASSERT_TRUE(ParseFixedPoint("12.37", 2, 5, v));
    EXPECT_EQ(v, 1235);  // cut toward zero to a multiple of the step
    EXPECT_FALSE(ParseFixedPoint("abc", 2, 1, v));
}

TEST(ValueText, TimersAndOff) {
    EXPECT_EQ(FormatTimer(25, 10, 0), "  2.500");
    EXPECT_EQ(FormatTimer(25, 10, 3), "  2.5");
    EXPECT_EQ(FormatTimer(20, 10, 4), "  2");
    int v = -1;
    ASSERT_TRUE(ParseTimer("2.5", 10, v));
    EXPECT_EQ(v, 25);
    ASSERT_TRUE(ParseTimer("off", 10, v));
    EXPECT_EQ(v, 0);
    ASSERT_TRUE(ParseTimer("999", 1, v));
    EXPECT_EQ(v, 255);
    EXPECT_FALSE(ParseTimer("", 1, v));
    EXPECT_FALSE(IsOffText("fo"));
}

TEST(ValueText, MinutesAndSecondsInSteps) {
    EXPECT_EQ(ParseMinSec("1:20", 0, 30, 0, 3570), 3);  // 20/30 + 2 + 1 for 20 mod 30 >= 15
    EXPECT_EQ(FormatMinSec(3, 30), " 1:30");
    EXPECT_EQ(ParseMinSec(":30", 4, 30, 0, 3570), 5);  // empty minutes keep the old ones
    EXPECT_EQ(ParseMinSec("99:99", 0, 30, 30, 3570), 119);
    EXPECT_EQ(ParseMinSec("0:00", 0, 30, 30, 3570), 1);
}

TEST(ValueText, UnitConversionsRoundTrip) {
    EXPECT_EQ(BeepHzFromByte(59), 1600);
    EXPECT_EQ(BeepByteFromHz(1600), 59);
    EXPECT_EQ(ToneCodeFromHz(1000), 6400);
    EXPECT_EQ(HzFromToneCode(6400), 1000);
    EXPECT_EQ(CtcssTenthsFromWord(CtcssWordFromTenths(885)), 885);
    EXPECT_EQ(ToneLengthMs(1), 11);
    EXPECT_EQ(ToneLengthByte(2789), 255);
    EXPECT_EQ(ToneLengthMs(ToneLengthByte(500)), 503);
}
