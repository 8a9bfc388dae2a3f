#include <gtest/gtest.h>

#include <functional>

#include "ImageChecks.h"
#include "ModelTestSupport.h"
#include "ModelType.h"
#include "cmcPackedBcd.h"
#include "datBiisAdr.h"

namespace {

cmcEeprom GoodImage(int mapRevision) {
    cmcEeprom image = ZeroImage();
    image.SetByte(0, 0x23);
    image.SetByte(1, 0x36);
    image.SetByte(2, static_cast<uint8_t>(mapRevision));
    for (int adr : MemoryMap::SignatureAddresses) {
        SetText(image, adr, "VEXA Inc");
    }
    return image;
}

}  // namespace

TEST(cmcPackedBcd, PacksDigitsIntoNibblesLeavingTheOtherNibble) {
    cmcPackedBcd bcd;
    bcd.SetNumber(145506, 6);
    EXPECT_EQ(bcd.Number(), 145506);
    uint8_t bytes[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    bcd.PackTo(bytes);
    EXPECT_EQ(bytes[0], 0x14);
    EXPECT_EQ(bytes[1], 0x55);
    EXPECT_EQ(bytes[2], 0x06);
    EXPECT_EQ(bytes[3], 0xFF);

    cmcPackedBcd odd;
    odd.SetNumber(123, 3);
    uint8_t two[2] = {0xAB, 0xCD};
    odd.PackTo(two);
    EXPECT_EQ(two[0], 0x12);
    EXPECT_EQ(two[1], 0x3D);  // the low nibble stays
}

TEST(cmcPackedBcd, ReadsNibblesAndRefusesNonDecimalDigits) {
    const uint8_t bytes[] = {0x98, 0x7A};
    EXPECT_EQ(cmcPackedBcd::ReadNibble(bytes, 0), 9);
    EXPECT_EQ(cmcPackedBcd::ReadNibble(bytes, 1), 8);
    EXPECT_EQ(cmcPackedBcd::ReadNibble(bytes, 3), 0xA);
    cmcPackedBcd bcd;
    bcd.UnpackFrom(bytes, 3);
    EXPECT_EQ(bcd.Number(), 987);
    bcd.UnpackFrom(bytes, 4);
    EXPECT_EQ(bcd.Number(), -1);
}

TEST(CheckImageData, IdentityAndSignatures) {
    EXPECT_TRUE(CheckImageData(GoodImage(3), true));
    EXPECT_TRUE(CheckImageData(GoodImage(0), true));

    cmcEeprom wrongModel = GoodImage(3);
    wrongModel.SetByte(1, 0x37);
    EXPECT_FALSE(CheckImageData(wrongModel, false));
    cmcEeprom revision4 = GoodImage(3);
    revision4.SetByte(2, 4);
    EXPECT_FALSE(CheckImageData(revision4, false));
    EXPECT_FALSE(CheckImageData(revision4, true));

    // Signatures count only when strict; the third only for map revision 3.
    cmcEeprom noLongSignature = GoodImage(2);
    SetText(noLongSignature, 0x39F8, "xxxxxxxx");
    EXPECT_TRUE(CheckImageData(noLongSignature, true));
    noLongSignature.SetByte(2, 3);
    EXPECT_FALSE(CheckImageData(noLongSignature, true));
    EXPECT_TRUE(CheckImageData(noLongSignature, false));
    cmcEeprom badFirst = GoodImage(1);
    badFirst.SetByte(0x1FFF, 'x');
    EXPECT_FALSE(CheckImageData(badFirst, true));

    EXPECT_FALSE(CheckImageData(cmcEeprom(), false));
    EXPECT_FALSE(IsImageNewer(GoodImage(3)));
}

TEST(CheckFileHeader, AcceptsTheModelCodeWithKnownRevisions) {
    int result = 0;
    EXPECT_TRUE(CheckFileHeader(0x2336, 0x0300, result));
    EXPECT_TRUE(CheckFileHeader(0x2336, 0x0100, result));
    EXPECT_TRUE(CheckFileHeader(0x2336, 0x0200, result));
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(CheckFileHeader(0x2336, 0x0400, result));
    EXPECT_EQ(result, 4);
    EXPECT_FALSE(CheckFileHeader(0x2A36, 0x0300, result));
    EXPECT_EQ(result, 3);
    EXPECT_FALSE(CheckFileHeader(0x1234, 0x0999, result));
    EXPECT_EQ(result, 3);
}

TEST(ModelType, FromTheModelBitsOfTheImage) {
    cmcEeprom image = ZeroImage();
    EXPECT_EQ(ModelTypeOfImage(image), ModelLmr);
    image.SetByte(161, 0x10);
    EXPECT_EQ(ModelTypeOfImage(image), ModelPmr);
    image.SetByte(203, 0x04);
    EXPECT_EQ(ModelTypeOfImage(image), ModelBiisPmr);
    image.SetByte(161, 0xEF);
    EXPECT_EQ(ModelTypeOfImage(image), ModelBiisPmr);
    image.SetByte(203, 0xFB);
    EXPECT_EQ(ModelTypeOfImage(image), ModelLmr);

    EXPECT_EQ(ChannelKindOf(ModelLmr), 1);
    EXPECT_EQ(ChannelKindOf(ModelPmr), 2);
    EXPECT_EQ(ChannelKindOf(ModelBiisPmr), 3);
    EXPECT_EQ(ChannelKindOf(7), 1);
}

TEST(CloneWriteRanges, MakerModeStartsAtZeroAndTheRadioRevisionSetsTheEnd) {
    const auto normalLong = CloneWriteRanges(false, 3);
    ASSERT_EQ(normalLong.size(), 1u);
    EXPECT_EQ(normalLong[0].start, 0x0080);
    EXPECT_EQ(normalLong[0].end, 0x39FF);
    const auto normalShort = CloneWriteRanges(false, 1);
    EXPECT_EQ(normalShort[0].end, 0x2FFF);
    const auto maker = CloneWriteRanges(true, 2);
    EXPECT_EQ(maker[0].start, 0);
    EXPECT_EQ(maker[0].end, 0x2FFF);
}

TEST(datBiisAdr, GroupStartSplitsTheAddressSpace) {
    cmcEeprom image = ZeroImage();
    SetWord(image, 0x34E0, 100);
    datBiisAdr adr;
    adr.Load(image);
    EXPECT_EQ(adr.GroupStart(), 100);
    EXPECT_TRUE(adr.Individual().Contains(99));
    EXPECT_FALSE(adr.Individual().Contains(100));
    EXPECT_TRUE(adr.RangeOfIdGroup(0).Contains(0));
    EXPECT_TRUE(adr.RangeOfIdGroup(3).Contains(100));
    EXPECT_TRUE(adr.RangeOfIdGroup(7).Contains(4095));
    EXPECT_FALSE(adr.RangeOfIdGroup(1).Contains(4096));

    adr.SetGroupStart(5000);
    adr.Store(image);
    EXPECT_EQ(image.GetByte(0x34E0), 0x0F);
    EXPECT_EQ(image.GetByte(0x34E1), 0xFF);

    SetWord(image, 0x34E0, 0);
    adr.Load(image);
    EXPECT_FALSE(adr.Individual().Contains(0));  // no individual addresses at all

    SetWord(image, 0x34E0, 0xFFFF);  // a stored value past the space leaves no group range
    adr.Load(image);
    EXPECT_FALSE(adr.Group().Contains(4095));
    EXPECT_TRUE(adr.Individual().Contains(4095));
}

TEST(cmcEeprom, CountsOnlyWritesThatChangeBytes) {
    cmcEeprom image = ZeroImage();
    cmcEeprom same = image;
    const uint8_t ab[2] = {0xAB, 0xCD};
    struct Step {
        const char* what;
        std::function<void()> write;
        bool counts;
    };
    const Step steps[] = {
        {"same byte", [&] { image.SetByte(5, 0); }, false},
        {"new byte", [&] { image.SetByte(5, 1); }, true},
        {"new block", [&] { image.WriteBlock(10, ab, 2); }, true},
        {"same block", [&] { image.WriteBlock(10, ab, 2); }, false},
        {"block outside", [&] { image.WriteBlock(image.Size() - 1, ab, 2); }, false},
        {"equal image",
         [&] {
             same.Assign(image);
             image.Assign(same);
         },
         false},
        {"other image", [&] { image.Assign(ZeroImage()); }, true},
    };
    for (const Step& s : steps) {
        const uint64_t before = image.Changes();
        s.write();
        EXPECT_EQ(image.Changes() != before, s.counts) << s.what;
    }
}
