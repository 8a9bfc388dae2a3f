// The general sheet: style, basic cell, rows with loops and channel
// variables, selection marks, the build errors, finding cells, capsules, and
// sheet references.

#include <gtest/gtest.h>

#include "CellNames.h"
#include "SheetFactory.h"
#include "SheetTestSupport.h"
#include "clsSheetRef.h"
#include "iuiSh_ChBank.h"
#include "iuiSh_Common.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Test",
    "#CellModel_Hd",
    "^-WH(Color=clGray)",
    // A header, a one-line loop body repeated 3 times, a row without selection.
    "#T_Style",
    "(TitleString=Test sheet)(FixedCols=5)(FixedRows=1)(MultiSelect=Line)(PrintFontRatio=80)",
    "#T_BasicCell",
    "{<(Font=,,,-20,,,)}",
    "#T_Cells",
    "{($Hd)}No|{($Hd)}Freq",
    ":(LoopFrom 3)",
    "{S(%CT_Mch.CL_Misc_ChNo_1Base[0])}|{S(%CT_Mch.CL_Mch_FreqR[0])}",
    ":(LoopTo)(SelectOFF)",
    "{S(%CT_Null.Flex0[7])}x|",
    "#",
    // A two-line body that counts a channel variable up once per repetition.
    "#V_Style",
    "(MultiSelect=Cell)",
    "#V_BasicCell",
    "{<}",
    "#V_Cells",
    "{(@ch1=10)}start",
    ":(LoopFrom 2)",
    "{S(%CT_Mch.CL_Mch_No[@ch1])}a",
    "{S(%CT_Mch.CL_Mch_Text[@ch1])(@ch1+)}b",
    ":(LoopTo)",
    "\\(@ch1+100)",
    "#",
    // Rows without cells, and no rows at all.
    "#E_Style",
    "",
    "#E_BasicCell",
    "",
    "#E_Cells",
    "",
    "",
    "#",
    "#N_Style",
    "",
    "#N_BasicCell",
    "",
    "#N_Cells",
    "#",
    // Single selection.
    "#S1_Style",
    "",
    "#S1_BasicCell",
    "",
    "#S1_Cells",
    "{S}a",
    "#",
    "#End_Of_Ovl",
};

class SheetModelTest : public ::testing::Test, public SheetTestBase {
  protected:
    void SetUp() override { texts.SetLines(&kOverlay); }

    std::unique_ptr<cuiSheet> Built(const std::string& reference, cuiSheetEnv env) {
        auto sheet = SheetFactory::CreateSheet(reference, env);
        sheet->Build();
        return sheet;
    }
    std::unique_ptr<cuiSheet> Built(const std::string& reference) {
        return Built(reference, Env());
    }
};

TEST_F(SheetModelTest, StyleAndOneLineLoop) {
    auto sheet = Built("T");
    EXPECT_EQ(sheet->Title(), "Test sheet");
    EXPECT_TRUE(sheet->HasTitle());
    EXPECT_EQ(sheet->Style().multiSelect, cmcMultiSelect::Line);
    ASSERT_EQ(sheet->Rows(), 5);
    ASSERT_EQ(sheet->Columns(), 2);
    EXPECT_EQ(sheet->FixedCols(), 1);  // 5 cut to the column count - 1
    EXPECT_EQ(sheet->FixedRows(), 1);

    EXPECT_EQ(sheet->Cell(0, 1).Text(), "Freq");
    EXPECT_EQ(sheet->Cell(0, 1).HAlign(), kAlignCentre);
    EXPECT_EQ(sheet->Cell(0, 1).color, 0x808080u);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(sheet->Cell(r, 1).item, CL_Mch_FreqR);
        EXPECT_EQ(sheet->Cell(r, 1).category, CT_Mch);
        EXPECT_EQ(sheet->Cell(r, 1).index, r - 1);
        EXPECT_EQ(sheet->RowLine(r), 2);
    }
    EXPECT_FALSE(sheet->RowRepeatsAbove(1));
    EXPECT_TRUE(sheet->RowRepeatsAbove(3));
    // The last row holds two cells; the second is empty but inherits the basic cell.
    EXPECT_EQ(sheet->Cell(4, 0).item, Flex0);
    EXPECT_EQ(sheet->Cell(4, 1).item, kNoCellItem);
    ASSERT_TRUE(sheet->BasicCell().font.has_value());
    EXPECT_EQ(sheet->BasicCell().font->height, -20);
}

TEST_F(SheetModelTest, SelectOffMarksTheRowsThatFollow) {
    auto sheet = Built("T");
    for (int r = 0; r <= 3; ++r) {
        EXPECT_TRUE(sheet->RowMultiSelect(r)) << r;
        EXPECT_EQ(sheet->CellState(r, 0) & kCellMayJoin, kCellMayJoin) << r;
    }
    EXPECT_FALSE(sheet->RowMultiSelect(4));
    EXPECT_EQ(sheet->CellState(4, 0) & kCellMayJoin, 0);

    EXPECT_EQ(Built("V")->CellState(1, 0) & kCellMayJoin, kCellMayJoin);  // "Cell" mode
    // A single-selection sheet never lets cells join.
    auto single = Built("S1");
    EXPECT_TRUE(single->RowMultiSelect(0));
    EXPECT_EQ(single->CellState(0, 0) & kCellMayJoin, 0);
}

TEST_F(SheetModelTest, RepeatedBodyLinesAreParsedAgainWithAdvancedChannelVariables) {
    auto sheet = Built("V");
    ASSERT_EQ(sheet->Rows(), 6);
    EXPECT_EQ(sheet->Columns(), 1);
    const int expected[] = {0, 10, 10, 11, 11};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(sheet->Cell(r, 0).index, expected[r]) << r;
        EXPECT_FALSE(sheet->RowRepeatsAbove(r));
    }
    EXPECT_EQ(sheet->Cell(3, 0).item, CL_Mch_No);
    EXPECT_EQ(sheet->Cell(5, 0).Text(), "112");

    // A rebuild starts the channel variables from zero again.
    sheet->Build();
    EXPECT_EQ(sheet->Cell(3, 0).index, 11);
    EXPECT_EQ(sheet->Cell(5, 0).Text(), "112");
}

TEST_F(SheetModelTest, BasicCellFontFollowsPercentageAndPrintRatio) {
    cuiSheetEnv env = Env();
    env.fontSizePercent = 150;
    EXPECT_EQ(Built("T", env)->BasicCell().font->height, -30);

    env.fontSizePercent = 100;
    env.printing = true;
    auto printed = Built("T", env);
    EXPECT_EQ(printed->BasicCell().font->height, -16);  // PrintFontRatio 80

    auto fixed = SheetFactory::CreateSheet("T", Env());
    fixed->SetFontHeight(-11);
    fixed->Build();
    EXPECT_EQ(fixed->BasicCell().font->height, -11);
}

TEST_F(SheetModelTest, SectionWithoutRowsOrColumnsIsIllegal) {
    for (const char* name : {"E", "N"}) {
        try {
            Built(name);
            ADD_FAILURE() << name << ": no internal error";
        } catch (const cmcInternalErrorException& e) {
            EXPECT_STREQ(e.what(), "Illegal Cell assign") << name;
        }
    }
}

TEST_F(SheetModelTest, CellsOutsideTheGridAreIllegal) {
    auto sheet = Built("T");
    EXPECT_THROW(sheet->Cell(5, 0), cmcInternalErrorException);
    EXPECT_THROW(sheet->Cell(0, 2), cmcInternalErrorException);
    EXPECT_THROW(sheet->Cell(-1, 0), cmcInternalErrorException);
}

TEST_F(SheetModelTest, FindsSelectableCellsRowByRow) {
    auto sheet = Built("T");
    EXPECT_EQ(sheet->FirstSelectableCell(), (cuiCellPos{1, 0}));
    EXPECT_EQ(sheet->Current(), (cuiCellPos{1, 0}));
    EXPECT_EQ(sheet->FindCell(CL_Mch_FreqR, 2), (cuiCellPos{3, 1}));
    EXPECT_FALSE(sheet->FindCell(CL_Mch_FreqR, 3).has_value());
    EXPECT_EQ(sheet->FindCell(CT_Null, Flex0, 7), (cuiCellPos{4, 0}));
    EXPECT_FALSE(sheet->FindCell(CT_Mch, Flex0, 7).has_value());
    // Header cells are not selectable.
    EXPECT_FALSE(sheet->FindCell(kNoCellItem, 0).has_value());
}

TEST_F(SheetModelTest, CapsuleCarriesCellOwnerAndCallerFlags) {
    indCellCapsule owner;
    owner.Bank = 9;
    auto sheet = SheetFactory::CreateSheet("T", Env(0, true));
    sheet->SetOwnerCapsule(&owner);
    sheet->Build();

    indCellCapsule c;
    c.Flags = 0xF0;
    sheet->PrepareCapsule(c, 1, 0);
    EXPECT_EQ(c.Cell, &sheet->Cell(1, 0));
    EXPECT_EQ(c.Owner, sheet.get());
    ASSERT_NE(c.SubCell, nullptr);
    EXPECT_EQ(c.SubCell->Bank, 9);
    EXPECT_EQ(c.Flags, 0xF0 | SheetCapsuleFlags::Current | SheetCapsuleFlags::Printing);

    sheet->PrepareCapsule(c, 2, 1);
    EXPECT_EQ(c.Flags, 0xF0 | SheetCapsuleFlags::Printing);
}

TEST(SheetRefTest, SplitsClassNameAndArgument) {
    struct Case {
        const char* reference;
        const char* className;
        const char* name;
        const char* argument;
    };
    const Case cases[] = {
        {"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0", "St_ChBank", "GI_Sheet_Mch_Pmr", "Bank 0"},
        {"GI_Sheet_X,a,b", "", "GI_Sheet_X", "a,b"},
        {"[St_Common]N", "St_Common", "N", ""},
        {"N,[x]", "", "N", "[x]"},  // a bracket in the argument belongs to the argument
    };
    for (const Case& c : cases) {
        const clsSheetRef r = ParseSheetRef(c.reference);
        EXPECT_EQ(r.className, c.className) << c.reference;
        EXPECT_EQ(r.name, c.name) << c.reference;
        EXPECT_EQ(r.argument, c.argument) << c.reference;
    }
}

TEST_F(SheetModelTest, FactoryChoosesTheSheetKindByClass) {
    auto bank = SheetFactory::CreateSheet("[St_ChBank]T,Bank 1", Env());
    EXPECT_NE(dynamic_cast<iuiSh_ChBank*>(bank.get()), nullptr);
    EXPECT_EQ(bank->Reference(), "[St_ChBank]T,Bank 1");
    EXPECT_EQ(bank->Argument(), "Bank 1");
    EXPECT_EQ(dynamic_cast<iuiSh_ChBank*>(bank.get())->Bank(), 1);

    auto common = SheetFactory::CreateSheet("[St_Common]T", Env());
    EXPECT_NE(dynamic_cast<iuiSh_Common*>(common.get()), nullptr);
    EXPECT_EQ(common->Name(), "T");

    auto plain = SheetFactory::CreateSheet("[Other]T,x", Env());
    EXPECT_EQ(dynamic_cast<iuiSh_ChBank*>(plain.get()), nullptr);
    EXPECT_EQ(dynamic_cast<iuiSh_Common*>(plain.get()), nullptr);
    EXPECT_EQ(plain->Argument(), "x");
}

}  // namespace
