// The setting items' special rules through the item handler: combined bit
// fields, conversions, the detection windows, the MSK address marks, key
// options, the PLL reference tables and the cells that show fixed texts.

#include <gtest/gtest.h>

#include "CellNames.h"
#include "CodecKeys.h"
#include "SettingRules.h"
#include "SettingsFixture.h"

namespace {

class SettingItemsTest : public ::testing::Test {
  protected:
    SettingsFixture f{ModelPmr};
};

TEST_F(SettingItemsTest, BeepLevelIndexCarriesBitSixAsHundreds) {
    f.working.SetByte(0x00E1, 0x80);  // beep on, level 0
    f.Choose(CT_Null, CL_SetM_BeepLev, 0, Flex0, 103);
    EXPECT_EQ(f.Byte(0x00E1), 0x80 | 0x40 | 3);
    EXPECT_EQ(f.Show(CT_Null, CL_SetM_BeepLev, 0), "3 (linked)");
    f.Choose(CT_Null, CL_SetM_BeepLev, 0, Flex0, 3);
    EXPECT_EQ(f.Byte(0x00E1), 0x80 | 3);
    EXPECT_EQ(f.Show(CT_Null, CL_SetM_BeepLev, 0), "3");
}

TEST_F(SettingItemsTest, BeepFrequencyIsNinetySixThousandOverBytePlusOne) {
    f.working.SetByte(0x0093, 59);
    EXPECT_EQ(f.Show(CT_Null, CL_Exp_BeepFreq_Low, 0), "1600");
    f.working.SetByte(0x0093, 0);
    f.Type(CT_Null, CL_Exp_BeepFreq_Low, 0, "1600");
    EXPECT_EQ(f.Byte(0x0093), 59);
    // A typed frequency between two bytes shows what was stored.
    f.Type(CT_Null, CL_Exp_BeepFreq_Low, 0, "1601");
    EXPECT_EQ(f.capsule.DisplayText, "1600");
    // Space moves to the next higher pitch even where 1 Hz does not change the byte.
    f.Request(CT_Null, CL_Exp_BeepFreq_Low, 0, Keys::Space);
    EXPECT_EQ(f.Byte(0x0093), 58);
    EXPECT_EQ(f.capsule.DisplayText, "1627");
    // Past the highest pitch (3000 Hz, byte 31) the step wraps to the lowest.
    f.working.SetByte(0x0093, 31);
    f.Request(CT_Null, CL_Exp_BeepFreq_Low, 0, Keys::Space);
    EXPECT_EQ(f.Byte(0x0093), 239);
}

TEST_F(SettingItemsTest, UserCtcssWordIsTheToneDividedFromNineteenTwentyThousand) {
    f.Type(CT_Null, CL_Exp_UserCtcss, 0, "100.0");
    EXPECT_EQ(f.Word(0x01DA), 1920000 / 1000);
    EXPECT_EQ(f.capsule.DisplayText, "100.0");
    f.SetWord(0x01DA, 0);  // an empty word shows 0 instead of dividing by it
    EXPECT_EQ(f.Show(CT_Null, CL_Exp_UserCtcss, 0), "  0.0");
}

TEST_F(SettingItemsTest, OwnIdGroupsMustLieInTheirRanges) {
    f.model = ModelBiisPmr;
    f.SetWord(0x34E0, 3840);      // group start: individual 0..3839, group 3840..4095
    f.SetWord(0x3504, 3840);      // group 0 at the group start
    f.SetWord(0x3504 + 9, 3840);  // group 1 at the group start
    f.Request(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 0, Keys::None);
    EXPECT_NE(f.capsule.Flags & CapsuleFlags::Error, 0);
    EXPECT_EQ(f.capsule.ChangedFlag, 1);
    f.Request(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 1, Keys::None);
    EXPECT_EQ(f.capsule.Flags & CapsuleFlags::Error, 0);
    f.Type(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 0, "12");
    EXPECT_EQ(f.Word(0x3504), 12);
    EXPECT_EQ(f.capsule.Flags & CapsuleFlags::Error, 0);
    EXPECT_EQ(f.capsule.DisplayText, "0012");
    // The check items see the same marks.
    EXPECT_EQ(f.handler.CellIsError(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 1), 0);
    f.Type(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 1, "100");
    EXPECT_EQ(f.handler.CellIsError(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, 1), 1);
}

TEST_F(SettingItemsTest, KillerAddressMustBeIndividual) {
    f.SetWord(0x34E0, 100);
    f.SetWord(0x34E4, 99);
    EXPECT_EQ(f.handler.CellIsError(CT_MSK_AdrRange, CL_Msk_AdrRange_Killer, 0), 0);
    f.SetWord(0x34E4, 100);
    EXPECT_EQ(f.handler.CellIsError(CT_MSK_AdrRange, CL_Msk_AdrRange_Killer, 0), 1);
    // Without a group start there is no individual range at all.
    f.SetWord(0x34E0, 0);
    f.SetWord(0x34E4, 0);
    EXPECT_EQ(f.handler.CellIsError(CT_MSK_AdrRange, CL_Msk_AdrRange_Killer, 0), 1);
}

TEST_F(SettingItemsTest, AddressRangeLinesShowTheirFixedEnds) {
    f.SetWord(0x34E0, 2048);
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Individual, 0), "0000 (No Edit)");
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Individual, 1), "2047 (No Edit)");
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Group, 0), "2048");
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Group, 1), "4095 (No Edit)");
    f.SetWord(0x34E0, 1);
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Individual, 1), "0000 (No Edit)");
    f.SetWord(0x34E0, 0);
    EXPECT_EQ(f.Show(CT_MSK_AdrRange, CL_Msk_AdrRange_Individual, 1), "----");
    // Row 1 of the group line takes no key; the group start asks the other rows to redraw.
    f.Request(CT_MSK_AdrRange, CL_Msk_AdrRange_Group, 1, Keys::Space);
    EXPECT_EQ(f.Word(0x34E0), 0);
    const int flags = f.Notified(CT_MSK_AdrRange, CL_Msk_AdrRange_Group, 0, Keys::Space);
    EXPECT_EQ(f.Word(0x34E0), 1);
    EXPECT_NE(flags & ChangeFlags::OtherRows, 0);
}

TEST_F(SettingItemsTest, CallListAddressIsPackedDecimal) {
    f.Type(CT_MSK_CallList, CL_Msk_CallList_Adr, 2, "1234");
    EXPECT_EQ(f.Byte(0x3000 + 12), 0x12);
    EXPECT_EQ(f.Byte(0x3001 + 12), 0x34);
    f.working.SetByte(0x3000 + 12, 0x1A);
    EXPECT_EQ(f.Show(CT_MSK_CallList, CL_Msk_CallList_Adr, 2), "65535");
    // 4096 is outside the address space and is not taken.
    f.Type(CT_MSK_CallList, CL_Msk_CallList_Adr, 2, "4096");
    EXPECT_EQ(f.Byte(0x3000 + 12), 0x1A);
}

TEST_F(SettingItemsTest, InvertedChoiceStoresTheClearBitForOn) {
    f.working.SetByte(0x1965, 0x10);
    EXPECT_EQ(f.Show(CT_TX_Code, CL_5TTx_Sel, 0), "Off");
    f.Request(CT_TX_Code, CL_5TTx_Sel, 0, Keys::Space);
    EXPECT_EQ(f.Byte(0x1965), 0x00);
    EXPECT_EQ(f.capsule.DisplayText, "On");
}

TEST_F(SettingItemsTest, TwoToneReceiveToneIsTheCentreOfItsWindow) {
    f.model = ModelLmr;
    f.Type(CT_2Tone_Code, CL_2T_RxFreq_1st, 2, "1000");
    EXPECT_EQ(f.Word(0x0176 + 16), 970);
    EXPECT_EQ(f.Word(0x0178 + 16), 1030);
    EXPECT_EQ(f.capsule.DisplayText, "1000.0");
    f.Type(CT_2Tone_Code, CL_2T_RxFreq_2nd, 1, "250.5");
    EXPECT_EQ(f.Word(0x017A + 8), 243);
    EXPECT_EQ(f.Word(0x017C + 8), 258);
    EXPECT_EQ(f.capsule.DisplayText, "250.5");
    // The common slot has no tones.
    EXPECT_EQ(f.Show(CT_2Tone_Code, CL_2T_RxFreq_1st, 0), "----");
}

TEST_F(SettingItemsTest, UserToneEncodeSetsItsDecodeWindow) {
    const int flags = f.Notified(CT_UserTone, CL_UTone_Encode, 4, Keys::None, "1000");
    EXPECT_EQ(f.Word(0x0160 + 8), 6400);  // Hz x 6.4
    EXPECT_EQ(f.Word(0x017E + 16), 970);
    EXPECT_EQ(f.Word(0x0180 + 16), 1030);
    EXPECT_NE(flags & ChangeFlags::Record, 0);
    // Windows are whole Hz outside f x 0.97 .. f x 1.03 and stay within 400..3000 Hz.
    EXPECT_EQ(SettingRules::UserToneWindow(1001).low, 970);
    EXPECT_EQ(SettingRules::UserToneWindow(1001).high, 1032);
    EXPECT_EQ(SettingRules::UserToneWindow(400).low, 400);
    EXPECT_EQ(SettingRules::UserToneWindow(3000).high, 3000);
}

TEST_F(SettingItemsTest, DecodeWindowUpsideDownWarns) {
    f.SetWord(0x017E + 4, 1100);
    f.SetWord(0x0180 + 4, 1000);
    f.Request(CT_UserTone, CL_UTone_Dec_Low, 1, Keys::None);
    EXPECT_NE(f.capsule.Flags & CapsuleFlags::Warning, 0);
    f.Request(CT_UserTone, CL_UTone_Dec_High, 1, Keys::None);
    EXPECT_NE(f.capsule.Flags & CapsuleFlags::Warning, 0);
    f.Request(CT_UserTone, CL_UTone_Dec_High, 0, Keys::None);
    EXPECT_EQ(f.capsule.Flags & CapsuleFlags::Warning, 0);
}

TEST_F(SettingItemsTest, UserToneRowFifteenIsTheCommonRow) {
    EXPECT_EQ(f.Show(CT_UserTone, CL_UTone_Length, 15), "----");
    EXPECT_EQ(f.Show(CT_UserTone, CL_UTone_Encode, 15), "----");
    f.Type(CT_UserTone, CL_UTone_TonePeriod, 15, "0.1");
    EXPECT_EQ(f.Byte(0x01D5), 100);
    f.Type(CT_UserTone, CL_UTone_NotoneTimer, 15, "0.2");
    EXPECT_EQ(f.Byte(0x01D6), 20);
    f.Type(CT_UserTone, CL_UTone_TonePeriod, 3, "0.05");
    EXPECT_EQ(f.Byte(0x01BA + 3), 50);
}

TEST_F(SettingItemsTest, KeyFunctionWithAnOptionAsksHighOrLow) {
    f.model = ModelPmr;
    // 0x34 shares option 12 (bit 6 of 0x00A6) with 0x31.
    EXPECT_EQ(f.Choose(CT_Null, CL_KDisp_Key_Conv_P2, 0, Flex0, 0x34), indPending::Popup);
    EXPECT_EQ(f.Byte(0x00D2), 0x34);
    EXPECT_EQ(f.capsule.Popup.list, "GI_Sheet_Sel_KDisp_KeyOpt_HL");
    EXPECT_EQ(f.capsule.Popup.entryKind, FlexKeyOpt);
    EXPECT_EQ(f.capsule.DisplayText, "Wide/narrow (hold) /L");
    f.working.SetByte(0x00A6, 0x1F);
    f.Choose(CT_Null, CL_KDisp_Key_Conv_P2, 0, FlexKeyOpt, 1);
    EXPECT_EQ(f.Byte(0x00A6), 0x1F | 0x40);
    EXPECT_EQ(f.capsule.DisplayText, "Wide/narrow (hold) /H");
    // A function without an option opens nothing more and shows no suffix.
    EXPECT_EQ(f.Choose(CT_Null, CL_KDisp_Key_Conv_P2, 0, Flex0, 0x03), indPending::Nothing);
    EXPECT_EQ(f.capsule.DisplayText, "Scan");
    // The list follows the model type: a 5-tone function is not an Lmr key.
    f.working.SetByte(0x00D2, 0x1C);
    EXPECT_EQ(f.Show(CT_Null, CL_KDisp_Key_Conv_P2, 0), "5-tone call");
    f.model = ModelLmr;
    EXPECT_EQ(f.Show(CT_Null, CL_KDisp_Key_Conv_P2, 0), "(n/a)");
}

TEST_F(SettingItemsTest, KeyOptionsPairTheTwelveFunctions) {
    const struct {
        int code, byte, bit;
    } pairs[] = {{0x30, 0, 5}, {0x33, 0, 5}, {0x31, 0, 6}, {0x34, 0, 6},
                 {0x32, 0, 7}, {0x35, 0, 7}, {0x36, 1, 5}, {0x39, 1, 5},
                 {0x37, 1, 6}, {0x3A, 1, 6}, {0x38, 1, 7}, {0x3B, 1, 7}};
    for (const auto& p : pairs) {
        CodecKeys::KeyOption o;
        ASSERT_TRUE(CodecKeys::KeyFunctionOption(p.code, o)) << p.code;
        EXPECT_EQ(o.byteIndex, p.byte) << p.code;
        EXPECT_EQ(o.bit, p.bit) << p.code;
    }
    CodecKeys::KeyOption o;
    EXPECT_FALSE(CodecKeys::KeyFunctionOption(0x2F, o));
    EXPECT_FALSE(CodecKeys::KeyFunctionOption(0x3C, o));
}

TEST_F(SettingItemsTest, PllReferenceFollowsTheTypeAndIsRememberedPerType) {
    f.working.SetByte(0x000B, 0x80);  // squelch delay bit set, type 0, reference 0
    f.Choose(CT_Null, CL_Maker_Pll_Reference, 0, Flex0, 5);
    EXPECT_EQ(f.Byte(0x000B), 0x80 | 0x10 | 0x02);  // index 5: bit 4 and bit 1
    EXPECT_EQ(f.capsule.DisplayText, "19.2 MHz");
    f.Choose(CT_Null, CL_Maker_Pll_Type, 0, Flex0, 1);
    EXPECT_EQ(f.Byte(0x000B) & 0x01, 1);
    EXPECT_EQ(f.Show(CT_Null, CL_Maker_Pll_Reference, 0), "25.6 MHz");  // type B's list
    f.Choose(CT_Null, CL_Maker_Pll_Reference, 0, Flex0, 2);
    EXPECT_EQ(f.Byte(0x000B) & 0x16, 0x04);
    // Back to type A: its last reference comes back; type B's is kept for later.
    f.Choose(CT_Null, CL_Maker_Pll_Type, 0, Flex0, 0);
    EXPECT_EQ(f.Show(CT_Null, CL_Maker_Pll_Reference, 0), "19.2 MHz");
    f.Choose(CT_Null, CL_Maker_Pll_Type, 0, Flex0, 1);
    EXPECT_EQ(f.Show(CT_Null, CL_Maker_Pll_Reference, 0), "16.8 MHz");
    EXPECT_EQ(f.Byte(0x000B) & 0x80, 0x80);
    // Every index maps to bits that map back to it, for both types.
    for (int type = 0; type < 2; ++type) {
        for (int i = 0; i < SettingRules::PllReferenceCount; ++i) {
            EXPECT_EQ(SettingRules::PllReferenceIndex(SettingRules::PllReferenceBits(i), type), i);
        }
    }
}

TEST_F(SettingItemsTest, IfOffsetIsSignAndMagnitudeInHertz) {
    f.Type(CT_Null, CL_Maker_IfFreq, 0, "-21.4");
    EXPECT_EQ(f.Byte(0x002A), 0x80 | (21400000 >> 24));
    EXPECT_EQ(f.Byte(0x002B), (21400000 >> 16) & 0xFF);
    EXPECT_EQ(f.Byte(0x002D), 21400000 & 0xFF);
    EXPECT_EQ(f.capsule.DisplayText, "-21.4000");
    // Values are cut to the 25 kHz raster and kept within 99.975 MHz.
    f.Type(CT_Null, CL_Maker_IfFreq, 0, "0.0374");
    EXPECT_EQ(f.capsule.DisplayText, "  0.0250");
    f.Type(CT_Null, CL_Maker_IfFreq, 0, "150");
    EXPECT_EQ(f.capsule.DisplayText, " 99.9750");
}

TEST_F(SettingItemsTest, TwoToneTransmitTypeRewritesTheSharedByteOnlyOnChange) {
    f.working.SetByte(0x1960, 0x12);  // a 5-tone digit pair: reads as 2-tone on
    EXPECT_EQ(f.Show(CT_2ToneTX_Common, CL_2TTx_Code_Type, 0), "2-tone");
    f.Choose(CT_2ToneTX_Common, CL_2TTx_Code_Type, 0, Flex0, 1);
    EXPECT_EQ(f.Byte(0x1960), 0x12);
    f.Choose(CT_2ToneTX_Common, CL_2TTx_Code_Type, 0, Flex0, 0);
    EXPECT_EQ(f.Byte(0x1960), 15);
    f.Choose(CT_2ToneTX_Common, CL_2TTx_Code_Type, 0, Flex0, 1);
    EXPECT_EQ(f.Byte(0x1960), 0xFF);
}

TEST_F(SettingItemsTest, RowsWithoutTheFieldShowThatItDoesNotApply) {
    for (int item : {CL_5TRx_RxCode, CL_5TRx_Abc, CL_5TRx_AutoTx}) {
        EXPECT_EQ(f.Show(CT_RX_Code, item, 0), "----") << item;
    }
    f.working.SetByte(0x1A21 + 9, 7);
    EXPECT_EQ(f.Show(CT_RX_Code, CL_5TRx_Abc, 1), "7");
    // The receive record keeps no EXO bit: the cell stays inert on every row.
    for (int row : {0, 1, 8}) {
        const std::vector<uint8_t> before(f.working.Data(), f.working.Data() + f.working.Size());
        f.Request(CT_RX_Code, CL_5TRx_Exo, row, Keys::Space);
        EXPECT_EQ(f.capsule.DisplayText, "----");
        EXPECT_TRUE(std::equal(before.begin(), before.end(), f.working.Data()));
    }
}

TEST_F(SettingItemsTest, DtmfSlotsAreNamed) {
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_ChNo, 0), "Autodial");
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_ChNo, 6), "7");
    f.model = ModelLmr;
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_ChNo, 5), "6");
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_ChNo, 6), "Emergency");
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_ChNo, 7), "Log/ID");
    f.Type(CT_DTMF, CL_Dtmf_Code, 3, "12*#");
    EXPECT_EQ(f.Byte(0x0378 + 39), 0x12);
    EXPECT_EQ(f.Byte(0x0379 + 39), 0xEF);
    EXPECT_EQ(f.Byte(0x0384 + 39), 4);
    EXPECT_EQ(f.Show(CT_DTMF, CL_Dtmf_Code, 3), "12*#");
}

TEST_F(SettingItemsTest, FiveToneReceiveCodeKeepsItsMarksInTheSlot) {
    f.working.SetByte(0x009D, 0x0E);  // group-tone digit E
    f.Type(CT_RX_Code, CL_5TRx_RxCode, 2, "1+3*5");
    const int code = 0x1A1C + 18;
    EXPECT_EQ(f.Byte(code), 0x10);
    EXPECT_EQ(f.Byte(code + 1), 0x3E);
    EXPECT_EQ(f.Byte(code + 2), 0x5F);
    EXPECT_EQ(f.Byte(code + 4), 0x40);  // the mark of position 1
    EXPECT_EQ(f.capsule.DisplayText, "1+3*5");
}

TEST_F(SettingItemsTest, UserCharacterTakesItsDotRows) {
    std::string dots(160, '0');
    dots[0] = '1';    // row 1, leftmost dot
    dots[159] = 'x';  // row 20, rightmost dot
    f.working.SetByte(0x1800 + 22 * 2, 0x55);
    f.Type(CT_CEdit, CL_CEdit, 2, dots);
    EXPECT_EQ(f.Byte(0x1800 + 44), 0);
    EXPECT_EQ(f.Byte(0x1800 + 45), 0x80);
    EXPECT_EQ(f.Byte(0x1800 + 64), 0x01);
    EXPECT_EQ(f.capsule.DisplayText, "%12");
    EXPECT_EQ(f.Request(CT_CEdit, CL_CEdit, 2, Keys::Enter), indPending::Editor);
    EXPECT_EQ(f.capsule.DisplayText, dots.substr(0, 159) + "1");
}

TEST_F(SettingItemsTest, TextsUseTheRadioCharacterSet) {
    f.Type(CT_Scan, CL_ScanList_Text, 1, "Scan %1A");
    EXPECT_EQ(f.Byte(0x1F00 + 24 + 5), 0x1A);
    EXPECT_EQ(f.Byte(0x1F00 + 24 + 6), ' ');
    EXPECT_EQ(f.capsule.DisplayText, "Scan %1A");
    EXPECT_EQ(f.Request(CT_Scan, CL_ScanList_Text, 1, 'x'), indPending::Editor);
    EXPECT_EQ(f.capsule.DisplayText, "x");
    // Clone comments keep printable ASCII only.
    f.Type(CT_Null, CL_Comm_CloneComment1, 0,
           "Base\x01"
           "7");
    EXPECT_EQ(f.Byte(0x0144), ' ');
    EXPECT_EQ(f.Byte(0x014F), ' ');
}

TEST_F(SettingItemsTest, CompareAndDisplayDigitsPlacePositionOneInBitSix) {
    struct Case {
        int category, item, address;
    };
    for (const Case& k : {Case{CT_RX_Code, CL_5TRx_CompareDigit, 0x009C},
                          Case{CT_TX_Code, CL_5TTx_DispDigit, 0x009B}}) {
        f.working.SetByte(k.address, 0x80);  // bit 7 is not a position
        f.Request(k.category, k.item, 0, '1');
        EXPECT_EQ(f.Byte(k.address), 0xC0) << CellItemName(k.item);
        f.Request(k.category, k.item, 0, '7');
        EXPECT_EQ(f.Byte(k.address), 0xC1) << CellItemName(k.item);
        EXPECT_EQ(f.Show(k.category, k.item, 0), "1_____7\n") << CellItemName(k.item);
    }
}

TEST_F(SettingItemsTest, AWindowEditThatMovesOnlyTheHighWordIsAChange) {
    f.model = ModelLmr;
    f.SetWord(0x0176 + 8, 970);
    f.SetWord(0x0178 + 8, 1030);
    const int flags = f.Notified(CT_2Tone_Code, CL_2T_RxFreq_1st, 1, Keys::None, "1000.5");
    EXPECT_EQ(f.Word(0x0176 + 8), 970);
    EXPECT_EQ(f.Word(0x0178 + 8), 1031);
    EXPECT_NE(flags & ChangeFlags::Record, 0);
    EXPECT_GT(f.modifiedChecks, 0);
}

}  // namespace
