#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellNames.h"
#include "ChBanks.h"
#include "CloneInfoBlock.h"
#include "HandlerFixture.h"
#include "datCh.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Test",
    "#GI_NewChTitle",
    "New",
    "#GI_AppMess_ChErr_Overflow",
    "No room for another channel.",
    "#",
    "#GI_Sheet_Sel_Mch_Moni_Cells",
    "{S(%FlexMark[0])}0|{S(%FlexMark[1])}1|{S(%FlexMark[2])}2|{S(%FlexMark[3])}3|{S(%FlexMark[4])}"
    "4|"
    "{S(%FlexMark[5])}5|{S(%FlexMark[6])}6|{S(%FlexMark[7])}7",
    "#",
    "#GI_Sheet_Sel_Mch_Form_Cells",
    "{S(%Flex0[0])}F0|{S(%Flex0[1])}F1",
    "#",
    "#GI_Sheet_Sel_Mch_Atr_Cells",
    "{S(%Flex0[1])}A|{S(%Flex0[2])}B|{S(%Flex0[3])}E|{S(%Flex0[4])}No E|{S(%Flex0[5])}Trunk",
    "#",
    "#GI_AppInd_Model",
    "Lmr",
    "Pmr",
    "BiisPmr",
    "#GI_AppInd_KeyBoard",
    "Without keypad",
    "With keypad",
    "#GI_AppInd_PLLReference",
    "12.8 MHz",
    "#End_Of_Ovl",
};

class ItemHandlerTest : public ::testing::Test {
  protected:
    HandlerFixture f{&kOverlay};
};

}  // namespace

TEST_F(ItemHandlerTest, AKeyOnABlankChannelMovesToItsReceiveFrequency) {
    f.SetBanks({3});
    f.MakeBlank(1);
    f.Request(CT_Mch, CL_Mch_FreqT, 1, '4');
    EXPECT_EQ(f.capsule.Redirect, 1);
    EXPECT_EQ(f.capsule.RedirItem, CL_Mch_FreqR);
    EXPECT_EQ(f.capsule.RedirRow, 1);
    EXPECT_EQ(f.capsule.RedirKey, '4');
    EXPECT_EQ(f.capsule.DisplayText, "");
    // On a used channel the key stays where it is.
    EXPECT_EQ(f.Request(CT_Mch, CL_Mch_FreqT, 0, '4'), indPending::Editor);
    EXPECT_EQ(f.capsule.Redirect, 0);
}

TEST_F(ItemHandlerTest, TypingOnTheEntryRowAddsAChannelToTheBank) {
    f.SetBanks({2, 1});
    // Row 2 is the entry row of bank 0 (its channels are 0 and 1).
    f.Type(CT_Mch, CL_Mch_FreqR, 2, "145.5", 0);
    EXPECT_EQ(BankCount(f.working, 0), 3);
    EXPECT_EQ(BankCount(f.working, 1), 1);
    datCh ch(&f.working);
    ch.Decode(KindMchPmr, 2);
    EXPECT_TRUE(ch.Used());
    EXPECT_EQ(ch.RxFreq(), 145500000);
    EXPECT_EQ(ch.TxFreq(), 145500000);  // simplex: transmit follows
    // The record holds the count of 625 Hz steps.
    const int steps = 145500000 / 625;
    EXPECT_EQ(f.working.GetByte(0x0400 + 40) & 0x7F, (steps >> 16) & 0x7F);
    EXPECT_EQ(f.working.GetByte(0x0401 + 40), (steps >> 8) & 0xFF);
    EXPECT_EQ(f.working.GetByte(0x0402 + 40), steps & 0xFF);
    // Bank 1's channel moved down by one.
    EXPECT_EQ(BankFirst(f.working, 1), 3);
    EXPECT_GT(f.modifiedChecks, 0);
}

TEST_F(ItemHandlerTest, TheEntryRowRefusesAChannelBeyond256) {
    f.SetBanks({256});
    f.Request(CT_Mch, CL_Mch_FreqR, 256, '1', 0);
    ASSERT_EQ(f.boxes.Boxes().size(), 1u);
    EXPECT_EQ(f.boxes.Boxes()[0].text, "No room for another channel.");
    EXPECT_EQ(TotalChannels(f.working), 256);
}

TEST_F(ItemHandlerTest, BankGrowthAt256IsRefused) {
    f.SetBanks({200, 56});
    f.Request(CT_Mch, CL_Mch_Bank, 0, Keys::Space);
    ASSERT_EQ(f.boxes.Boxes().size(), 1u);
    EXPECT_EQ(f.boxes.Boxes()[0].text, "No room for another channel.");
    EXPECT_EQ(BankCount(f.working, 0), 200);
    EXPECT_EQ(f.capsule.DisplayText, "200");
    f.Request(CT_Mch, CL_Mch_Bank, 16, 0);
    EXPECT_EQ(f.capsule.DisplayText, "256");
}

TEST_F(ItemHandlerTest, BiisColumnsApplyByTheChannelsSignalling) {
    f.model = ModelBiisPmr;
    f.SetBanks({2});
    datCh ch(&f.working);
    ch.Decode(KindMchBiisPmr, 1);
    ch.Set(datField::Biis, 1);
    ch.Encode();
    // Channel 0 is not BIIS: the MSK repeater does not apply and keys do nothing.
    const std::vector<uint8_t> before(f.working.Data(), f.working.Data() + f.working.Size());
    f.Request(CT_Mch, CL_Mch_Msk_Rpt, 0, Keys::Space);
    EXPECT_EQ(f.capsule.DisplayText, "----");
    EXPECT_EQ(f.cell.HAlign(), kAlignCentre);
    EXPECT_EQ(f.capsule.FontColor, 12632256u);
    EXPECT_EQ(std::vector<uint8_t>(f.working.Data(), f.working.Data() + f.working.Size()), before);
    // Channel 1 is BIIS: the format does not apply unless the extension bit is set.
    f.Request(CT_Mch, CL_Mch_Form, 1, 0);
    EXPECT_EQ(f.capsule.DisplayText, "----");
    ch.Set(datField::BiisExt, 1);
    ch.Encode();
    f.Request(CT_Mch, CL_Mch_Form, 1, 0);
    EXPECT_EQ(f.capsule.DisplayText, "F0");
}

TEST_F(ItemHandlerTest, MonitorWarnsOnBiisChannelsExceptSixAndSeven) {
    f.model = ModelBiisPmr;
    f.SetBanks({1});
    datCh ch(&f.working);
    for (int value = 0; value < 8; ++value) {
        ch.Decode(KindMchBiisPmr, 0);
        ch.Set(datField::Biis, 1);
        ch.Set(datField::Monitor, value);
        ch.Encode();
        f.Request(CT_Mch, CL_Mch_Moni, 0, 0);
        const bool warns = (f.capsule.Flags & CapsuleFlags::Warning) != 0;
        EXPECT_EQ(warns, value != 6 && value != 7) << "value " << value;
        EXPECT_EQ(f.handler.CellIsWarning(CT_Mch, CL_Mch_Moni, 0), warns ? 1 : 0);
    }
    ch.Decode(KindMchBiisPmr, 0);
    ch.Set(datField::Biis, 0);
    ch.Encode();
    EXPECT_EQ(f.handler.CellIsWarning(CT_Mch, CL_Mch_Moni, 0), 0);
    // The per-bank check collects it.
    ch.Set(datField::Biis, 1);
    ch.Set(datField::Monitor, 2);
    ch.Encode();
    f.Request(CT_Null, CL_Check_Mch, 0, 0, 0);
    EXPECT_NE(f.capsule.Flags & CapsuleFlags::Warning, 0);
}

TEST_F(ItemHandlerTest, LeftOutItemsShowTheirIdAndYet) {
    f.Request(CT_Null, CL_KDisp_SmaKey, 0, Keys::Space);
    EXPECT_EQ(f.capsule.DisplayText, std::to_string(CL_KDisp_SmaKey) + " *Yet*");
    for (int item = 0; item < kCellItemCount; ++item) {
        if (!indActiveCell::IsImplemented(item)) {
            f.Request(CT_Null, item, 0, Keys::Space);
            EXPECT_EQ(f.capsule.DisplayText, std::to_string(item) + " *Yet*") << CellItemName(item);
        }
    }
    // Of the 81 items this model leaves out, 13 lie below the MSK group; every
    // other item there is handled.
    int implementedBelowMsk = 0;
    for (int item = 0; item < CL_Msk_AdrRange_Individual; ++item) {
        implementedBelowMsk += indActiveCell::IsImplemented(item) ? 1 : 0;
    }
    EXPECT_EQ(implementedBelowMsk, CL_Msk_AdrRange_Individual - 13);
}

TEST_F(ItemHandlerTest, AttributesFromTheListMoveThePriorityMark) {
    f.SetBanks({3});
    f.Request(CT_Mch, CL_Mch_Atr, 2, Keys::Enter);
    EXPECT_EQ(f.capsule.Popup.list, "GI_Sheet_Sel_Mch_Atr");
    cmcCellObj entry;
    entry.item = Flex0;
    entry.index = 1;
    indCellCapsule sub;
    sub.Cell = &entry;
    f.Prepare(CT_Mch, CL_Mch_Atr, 2);
    f.capsule.EditResult = indEditResult::PopupChoice;
    f.capsule.SubCell = &sub;
    f.handler.HandleCell(f.capsule);
    EXPECT_EQ(f.working.GetByte(0x0099), 2);
    EXPECT_EQ(f.capsule.DisplayText, "A");
    f.Request(CT_Mch, CL_Mch_Atr, 1, 0);
    EXPECT_EQ(f.capsule.DisplayText, "");
}

TEST_F(ItemHandlerTest, ChannelNumbersAndTheEntryRowTitle) {
    f.SetBanks({2, 3});
    f.Request(CT_Mch, CL_Mch_No, 3, 0, 1);
    EXPECT_EQ(f.capsule.DisplayText, "2-  2");
    f.Request(CT_Mch, CL_Mch_No, 5, 0, 1);
    EXPECT_EQ(f.capsule.DisplayText, "New");
}

TEST_F(ItemHandlerTest, CopyAndPasteThroughThePopupCommand) {
    f.SetBanks({4});
    datCh ch(&f.working);
    ch.Decode(KindMchPmr, 0);
    ch.SetRxFreq(150000000);
    ch.Encode();
    f.Prepare(CT_Mch, CL_Mch_FreqR, 0);
    f.capsule.PopupCommand = CL_PMenu_Copy;
    f.handler.HandleCell(f.capsule);
    EXPECT_TRUE(f.clipboard.Holds(KindMchPmr));
    f.cell.index = 3;
    f.capsule.PopupCommand = CL_PMenu_Paste;
    f.boxes.Answer(cmcMbResult::Ok);  // the target is not blank: overwrite?
    f.handler.HandleCell(f.capsule);
    ch.Decode(KindMchPmr, 3);
    EXPECT_EQ(ch.RxFreq(), 150000000);
}

TEST_F(ItemHandlerTest, DeleteAndInsertOnUserCharactersLeaveTheChannelsAlone) {
    f.SetBanks({3, 2});
    const std::vector<uint8_t> before(f.working.Data(), f.working.Data() + f.working.Size());
    for (int command : {CL_PMenu_Delete, CL_PMenu_Insert}) {
        f.boxes.Answer(cmcMbResult::Ok);
        f.Prepare(CT_CEdit, CL_CEdit, 1);
        f.capsule.PopupCommand = command;
        f.handler.HandleCell(f.capsule);
        f.events.Pump();
        EXPECT_EQ(std::vector<uint8_t>(f.working.Data(), f.working.Data() + f.working.Size()),
                  before)
            << CellItemName(command);
    }
}

TEST_F(ItemHandlerTest, DeleteAndInsertEntriesApplyToChannelRowsOnly) {
    f.SetBanks({3});
    struct Case {
        int category, row, entry;
        bool disabled;
    };
    const Case cases[] = {
        {CT_Mch, 1, CL_PMenu_Delete, false},  {CT_Mch, 1, CL_PMenu_Insert, false},
        {CT_Mch, 3, CL_PMenu_Delete, true},   {CT_Mch, 3, CL_PMenu_Insert, false},  // entry row
        {CT_CEdit, 1, CL_PMenu_Delete, true}, {CT_CEdit, 1, CL_PMenu_Insert, true},
        {CT_CEdit, 1, CL_PMenu_Clear, false}, {CT_DTMF, 1, CL_PMenu_Insert, true},
    };
    for (const Case& k : cases) {
        cmcCellObj sheetCell;
        sheetCell.category = k.category;
        sheetCell.item = k.category == CT_Mch ? CL_Mch_FreqR : CL_CEdit;
        sheetCell.index = k.row;
        indCellCapsule sub;
        sub.Cell = &sheetCell;
        f.Prepare(CT_PopupMenu, k.entry, 0);
        f.capsule.SubCell = &sub;
        f.handler.HandleCell(f.capsule);
        EXPECT_EQ((f.cell.stateFlags & kStateFlag2) != 0, k.disabled)
            << CellItemName(k.entry) << " category " << k.category << " row " << k.row;
    }
}

TEST_F(ItemHandlerTest, TheEntryRowOfABankTouchesNoOtherChannel) {
    f.SetBanks({2, 1});
    f.working.SetByte(0x0099, 2);  // priority A on bank 1's first channel
    f.working.SetByte(0x009A, 0);  // priority B on channel 0
    const std::vector<uint8_t> before(f.working.Data(), f.working.Data() + f.working.Size());
    // Row 2 is bank 0's entry row and bank 1's first channel.
    for (int item = CL_Mch_Atr; item <= CL_Mch_Msk_RxCNo; ++item) {
        if (item == CL_Mch_FreqR || !indActiveCell::IsImplemented(item)) {
            continue;
        }
        f.Request(CT_Mch, item, 2, Keys::None, 0);
        EXPECT_EQ(f.capsule.DisplayText, "") << CellItemName(item);
    }
    cmcCellObj entry;
    entry.item = Flex0;
    entry.index = 2;  // "set priority B"
    indCellCapsule sub;
    sub.Cell = &entry;
    f.Prepare(CT_Mch, CL_Mch_Atr, 2, 0);
    f.capsule.EditResult = indEditResult::PopupChoice;
    f.capsule.SubCell = &sub;
    f.handler.HandleCell(f.capsule);
    EXPECT_EQ(std::vector<uint8_t>(f.working.Data(), f.working.Data() + f.working.Size()), before);
}

TEST_F(ItemHandlerTest, ADigitOnABankCountOpensTheEditorWithIt) {
    f.SetBanks({12});
    EXPECT_EQ(f.Request(CT_Mch, CL_Mch_Bank, 0, '5'), indPending::Editor);
    EXPECT_EQ(f.capsule.DisplayText, "5");
    EXPECT_EQ(f.capsule.CaretPos, 1);
    EXPECT_EQ(f.capsule.SelLength, 0);
    EXPECT_EQ(BankCount(f.working, 0), 12);
}

// The clone information shows the radio of the last exchange, and nothing before one.
TEST_F(ItemHandlerTest, CloneInformationShowsOnlyARadioThatAnswered) {
    struct Case {
        bool hasRadio;
        uint8_t modelBits;
        const char* model;
        const char* keypad;
    };
    const Case cases[] = {
        {false, 0x00, "", ""},
        {false, 0x06, "", ""},
        {true, 0x00, "Lmr", "Without keypad"},
        {true, 0x05, "Pmr", "With keypad"},
        {true, 0x03, "BiisPmr", "Without keypad"},
    };
    for (const Case& c : cases) {
        f.hasRadio = c.hasRadio;
        f.radio.cloneInfo[CloneInfoBlock::ModelBits] = c.modelBits;
        f.Request(CT_Null, CL_CloneInfo_Model, 0, Keys::None);
        EXPECT_EQ(f.capsule.DisplayText, c.model) << int(c.modelBits);
        f.Request(CT_Null, CL_CloneInfo_KeyBoard, 0, Keys::None);
        EXPECT_EQ(f.capsule.DisplayText, c.keypad) << int(c.modelBits);
    }
}
