#include <gtest/gtest.h>

#include <vector>

#include "cmcBuff.h"
#include "cmcInternalErrorBox.h"
#include "cmcThrowingErrorBox.h"

namespace {
std::vector<uint8_t> Bytes(const cmcBuff& b) {
    return {b.Data(), b.Data() + b.Size()};
}
}  // namespace

TEST(cmcBuff, FromHexSkipsNonDigitsAndPadsAnOddDigit) {
    EXPECT_EQ(Bytes(cmcBuff::FromHex("0A 1b-c")), (std::vector<uint8_t>{0x0A, 0x1B, 0xC0}));
    EXPECT_EQ(Bytes(cmcBuff::FromHex("F")), (std::vector<uint8_t>{0xF0}));
    EXPECT_EQ(cmcBuff::FromHex("").Size(), 0);
    EXPECT_EQ(cmcBuff::FromHex("xyz g!").Size(), 0);
}

TEST(cmcBuff, GrowsByAQuarterOfTheOldSize) {
    cmcBuff b;
    EXPECT_EQ(b.Size(), 0);
    EXPECT_EQ(b.Capacity(), 1);
    b.SetSize(100);
    b.Shrink();
    ASSERT_EQ(b.Capacity(), 100);
    b.SetSize(101);
    EXPECT_EQ(b.Capacity(), 126);
    b.SetSize(120);
    EXPECT_EQ(b.Capacity(), 126);
}

TEST(cmcBuff, ShrinkingKeepsBytesThatGrowingExposesAgain) {
    cmcBuff b;
    b.AppendBytes("\x01\x02\x03\x04", 4);
    b.SetSize(2);
    b.SetSize(4);
    EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{1, 2, 3, 4}));
    b.SetSize(40);  // beyond the capacity: new space is zero
    EXPECT_EQ(b.At(39), 0);
    EXPECT_EQ(b.At(3), 4);
}

TEST(cmcBuff, AppendVariantsAndCopies) {
    cmcBuff a;
    a.AppendByte(7);
    a.AppendFill(0xEE, 3);
    a.Append(a);  // appending itself doubles it
    EXPECT_EQ(Bytes(a), (std::vector<uint8_t>{7, 0xEE, 0xEE, 0xEE, 7, 0xEE, 0xEE, 0xEE}));
    cmcBuff b(a);
    b.Fill(1);
    EXPECT_EQ(a.At(0), 7);  // the copy owns its bytes
    EXPECT_EQ(b.Size(), 8);
    b.Clear();
    EXPECT_EQ(b.Size(), 0);
    EXPECT_EQ(b.Capacity(), 1);
}

TEST(cmcBuff, AtOutsideTheSizeIsAnInternalError) {
    cmcScopedThrowingErrorBox box;
    cmcBuff b;
    b.SetSize(3);
    EXPECT_NO_THROW(b.At(2));
    try {
        b.At(3);
        FAIL() << "no internal error";
    } catch (const cmcInternalErrorException& e) {
        EXPECT_STREQ(e.what(), "Out of cmcBuff element !");
    }
    EXPECT_THROW(b.At(-1), cmcInternalErrorException);
}

// Bytes taken from the buffer's own storage while it grows (or is reset) arrive intact.
TEST(cmcBuff, OwnBytesMayBeAppendedOrSetWhileItGrows) {
    struct Case {
        const char* what;
        void (*act)(cmcBuff&);
        std::vector<uint8_t> expected;
    };
    const std::vector<Case> cases = {
        {"append all at full capacity",
         [](cmcBuff& b) { b.AppendBytes(b.Data(), b.Size()); },
         {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"append a tail",
         [](cmcBuff& b) { b.AppendBytes(b.Data() + 5, 3); },
         {1, 2, 3, 4, 5, 6, 7, 8, 6, 7, 8}},
        {"set from the middle", [](cmcBuff& b) { b.SetBytes(b.Data() + 2, 4); }, {3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        cmcBuff b;
        b.AppendBytes("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
        b.Shrink();  // the next growth reallocates
        c.act(b);
        EXPECT_EQ(Bytes(b), c.expected) << c.what;
    }
}
