// The channel-bank sheet: the bank argument, the bank loop with its entry
// row, printing, growth and shrink by ChannelInserted and ChannelDeleted, the
// title of BankSheetRefresh, ChannelQuery, and the listener's lifetime.

#include <gtest/gtest.h>

#include "CellNames.h"
#include "ChEvents.h"
#include "EventIds.h"
#include "SheetFactory.h"
#include "SheetTestSupport.h"
#include "iuiSh_ChBank.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Test",
    "#GI_AppInd_MchSheet_Printer_Head",
    "Memory channels, bank",
    "#GI_AppInd_MchSheet_Printer_SmarTrunk",
    "(SmarTrunk)",
    "#CB_Style",
    "(TitleString=Memory CH)(MultiSelect=Line)(FixedRows=1)",
    "#CB_BasicCell",
    "{<}",
    "#CB_Cells",
    "{^}No|{^}RX",
    ":(LoopFrom)",
    "{S(%CT_Mch.CL_Mch_No[@ch0])}|{S(%CT_Mch.CL_Mch_FreqR[@ch0])}",
    ":(LoopTo)",
    "#",
    // No title bar.
    "#NT_Style",
    "",
    "#NT_BasicCell",
    "",
    "#NT_Cells",
    ":(LoopFrom)",
    "{S(%CT_Mch.CL_Mch_No[@ch0])}",
    ":(LoopTo)",
    "#",
    "#End_Of_Ovl",
};

class ChBankSheetTest : public ::testing::Test, public SheetTestBase {
  protected:
    void SetUp() override {
        texts.SetLines(&kOverlay);
        SetBanks({3, 0, 5});
    }

    std::unique_ptr<iuiSh_ChBank> Bank(const std::string& argument, bool printing = false,
                                       const std::string& sheet = "CB") {
        std::unique_ptr<cuiSheet> s =
            SheetFactory::CreateSheet("[St_ChBank]" + sheet + "," + argument, Env(0, printing));
        s->Build();
        return std::unique_ptr<iuiSh_ChBank>(static_cast<iuiSh_ChBank*>(s.release()));
    }
};

TEST_F(ChBankSheetTest, OneRowPerChannelAndAnEntryRow) {
    auto sheet = Bank("Bank 2");
    EXPECT_EQ(sheet->Bank(), 2);
    EXPECT_EQ(sheet->FirstChannel(), 3);
    EXPECT_EQ(sheet->ChannelCount(), 5);
    EXPECT_EQ(sheet->LoopStartRow(), 1);
    ASSERT_EQ(sheet->Rows(), 7);  // header, 5 channels, entry row
    for (int r = 1; r < 7; ++r) {
        EXPECT_EQ(sheet->Cell(r, 0).index, 3 + r - 1) << r;
        EXPECT_EQ(sheet->Cell(r, 1).item, CL_Mch_FreqR);
    }
    // Channel rows join multiple selections, the entry row does not.
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(sheet->RowMultiSelect(r)) << r;
        EXPECT_EQ(sheet->CellState(r, 1) & kCellMayJoin, kCellMayJoin) << r;
    }
    EXPECT_FALSE(sheet->RowMultiSelect(6));
    EXPECT_EQ(sheet->CellState(6, 1) & kCellMayJoin, 0);
    EXPECT_TRUE(sheet->IsPrintable());

    indCellCapsule c;
    sheet->PrepareCapsule(c, 6, 1);
    EXPECT_EQ(c.Bank, 2);
    EXPECT_EQ(c.Cell->index, 8);
}

TEST_F(ChBankSheetTest, EmptyBankShowsOnlyTheEntryRowAndIsNotPrinted) {
    auto sheet = Bank("Bank 1");
    EXPECT_EQ(sheet->FirstChannel(), 3);
    EXPECT_EQ(sheet->ChannelCount(), 0);
    ASSERT_EQ(sheet->Rows(), 2);
    EXPECT_EQ(sheet->Cell(1, 0).index, 3);
    EXPECT_FALSE(sheet->IsPrintable());
}

TEST_F(ChBankSheetTest, PrintingShowsTheChannelsWithoutEntryRow) {
    auto sheet = Bank("Bank 2", true);
    EXPECT_EQ(sheet->Rows(), 6);
    EXPECT_EQ(sheet->Cell(5, 0).index, 7);
    EXPECT_EQ(sheet->GetTitle(), "Memory channels, bank 3  ");
}

TEST_F(ChBankSheetTest, ArgumentForms) {
    auto plain = Bank("Bank");  // no number: bank 0
    EXPECT_EQ(plain->Bank(), 0);
    EXPECT_EQ(plain->ChannelCount(), 3);
    EXPECT_EQ(Bank("Bank 2 , more")->Bank(), 2);
    EXPECT_EQ(Bank("Bank 2,x")->Bank(), 2);
    // Another first word reads nothing: no channels, bank 0.
    auto other = Bank("Bunk 2");
    EXPECT_EQ(other->Bank(), 0);
    EXPECT_EQ(other->ChannelCount(), 0);
    EXPECT_EQ(other->Rows(), 2);
    // Banks outside 0..15 hold no channels.
    auto outside = Bank("Bank 20");
    EXPECT_EQ(outside->ChannelCount(), 0);
    EXPECT_EQ(outside->FirstChannel(), 8);
    // A number beyond any integer is no bank, without overflow.
    EXPECT_EQ(Bank("Bank 99999999999")->Bank(), 16);
    EXPECT_EQ(Bank("Bank -99999999999")->ChannelCount(), 0);
}

TEST_F(ChBankSheetTest, InsertedChannelGrowsTheGridByOneRow) {
    auto sheet = Bank("Bank 2");
    sheet->SetCurrent({3, 1});
    ChEvent::Post(EventIds::ChannelInserted, 8);
    events.Pump();
    ASSERT_EQ(sheet->Rows(), 8);
    EXPECT_EQ(sheet->ChannelCount(), 6);
    EXPECT_TRUE(sheet->RowMultiSelect(6));
    EXPECT_EQ(sheet->CellState(6, 0) & kCellMayJoin, kCellMayJoin);
    EXPECT_FALSE(sheet->RowMultiSelect(7));
    EXPECT_EQ(sheet->CellState(7, 0) & kCellMayJoin, 0);
    EXPECT_EQ(sheet->Cell(7, 1).index, 9);
    EXPECT_EQ(sheet->Cell(7, 1).item, CL_Mch_FreqR);
    EXPECT_TRUE(sheet->RowRepeatsAbove(7));
    EXPECT_EQ(sheet->Current(), (cuiCellPos{3, 1}));  // the cursor stays

    ChEvent::Post(EventIds::ChannelDeleted, 8);
    events.Pump();
    ASSERT_EQ(sheet->Rows(), 7);
    EXPECT_FALSE(sheet->RowMultiSelect(6));
    EXPECT_EQ(sheet->CellState(6, 0) & kCellMayJoin, 0);
    EXPECT_EQ(sheet->Current(), (cuiCellPos{2, 1}));  // the cursor moves up one row
}

TEST_F(ChBankSheetTest, GrowthStopsAtTheCellArrayAndShrinkAtTheEntryRow) {
    auto sheet = Bank("Bank 1");
    ChEvent::Post(EventIds::ChannelDeleted, 3);
    events.Pump();
    EXPECT_EQ(sheet->Rows(), 2);
    for (int i = 0; i < 300; ++i) {
        ChEvent::Post(EventIds::ChannelInserted, 3);
    }
    events.Pump();
    EXPECT_EQ(sheet->Rows(), iuiSh_ChBank::kCellRows);
    EXPECT_EQ(sheet->Cell(iuiSh_ChBank::kCellRows - 1, 0).index, 3 + iuiSh_ChBank::kCellRows - 2);
}

TEST_F(ChBankSheetTest, TitleShowsBankAndChannelsLeft) {
    SetBanks({40});
    auto sheet = Bank("Bank 0");
    EXPECT_EQ(sheet->Title(), "Memory CH");  // BankSheetRefresh is posted by Build
    int repaints = 0;
    sheet->SetTitleListener([&repaints] { ++repaints; });
    events.Pump();
    EXPECT_EQ(sheet->Title(), "Memory CH 1   (Left CH - 216)");
    EXPECT_EQ(sheet->TitleTextColor(), 0x00FFFFu);
    EXPECT_EQ(repaints, 1);

    image.SetByte(0x0096, 0x80);  // bank 0 is a SmarTrunk bank
    EvMan().Send(EventIds::BankSheetRefresh, nullptr, 0);
    EXPECT_EQ(sheet->Title(), "Memory CH 1 (SmarTrunk)  (Left CH - 216)");
    EXPECT_EQ(sheet->TitleTextColor(), 0xFFFF00u);
    EXPECT_EQ(sheet->GetTitle(), "Memory channels, bank 1 (SmarTrunk) ");
}

TEST_F(ChBankSheetTest, WithoutTitleBarTheTitleStaysEmpty) {
    auto sheet = Bank("Bank 0", false, "NT");
    events.Pump();
    EXPECT_FALSE(sheet->HasTitle());
    EXPECT_EQ(sheet->Title(), "");
    EXPECT_EQ(sheet->LoopStartRow(), 0);
    EXPECT_EQ(sheet->Rows(), 4);
}

TEST_F(ChBankSheetTest, AnswersTheChannelQueryAndUnregistersWhenDestroyed) {
    const int before = events.ListenerCount();
    {
        auto sheet = Bank("Bank 2");
        EXPECT_EQ(events.ListenerCount(), before + 1);
        const cmcEvAns* answer = events.Query(EventIds::ChannelQuery, nullptr, 0);
        ASSERT_NE(answer, nullptr);
        EXPECT_EQ(answer->value1, 2);
        EXPECT_EQ(answer->value2, 3);
        EXPECT_EQ(answer->Next(), nullptr);
    }
    EXPECT_EQ(events.ListenerCount(), before);
    EXPECT_EQ(events.Query(EventIds::ChannelQuery, nullptr, 0), nullptr);
    events.Pump();  // the posted BankSheetRefresh finds no sheet
}

}  // namespace
