#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MenuLayout.h"
#include "OverlayTestUtil.h"
#include "SheetCells.h"
#include "SheetStyle.h"

namespace {

std::vector<cmcSheetRow> Fill(LinesTable& table, const std::string& sheet, int32_t* vars,
                              const cmcDirectiveKey& key = nullptr) {
    static cmcCellObj basic;
    basic.Reset(nullptr);
    cmcSheetRowReader reader(*table, sheet);
    reader.Read(key);
    return FillSheetCells(reader, basic, vars, table.get());
}

}  // namespace

TEST(SheetStyle, GeneralKeys) {
    const auto style = ParseSheetStyle(
        "(TitleString=Memory channels)(TitleColor=clNavy)(TitleFont=,,clWhite,-20,,fsBold,)"
        "(FixedCols=2)(FixedRows=1)(NoPrint)(PrintFontRatio=80)(MultiSelect=Line)(Other=1)");
    EXPECT_TRUE(style.HasTitle());
    EXPECT_EQ(style.titleString, "Memory channels");
    EXPECT_EQ(style.titleColor, 0x800000u);
    EXPECT_EQ(style.titleFont.height, -20);
    EXPECT_EQ(style.titleFont.color, 0xFFFFFFu);
    EXPECT_EQ(style.titleFont.name, DefaultPlatformFont().name);
    EXPECT_EQ(style.fixedCols, 2);
    EXPECT_EQ(style.fixedRows, 1);
    EXPECT_TRUE(style.noPrint);
    EXPECT_EQ(style.printFontRatio, 80);
    EXPECT_EQ(style.multiSelect, cmcMultiSelect::Line);

    const auto plain = ParseSheetStyle("(TitleString=)(MultiSelect=Row)(NoPrintX)");
    EXPECT_FALSE(plain.HasTitle());
    EXPECT_EQ(plain.titleColor, kClGrayText);
    EXPECT_EQ(plain.multiSelect, cmcMultiSelect::Single);
    EXPECT_FALSE(plain.noPrint);
    EXPECT_EQ(plain.printFontRatio, 100);

    EXPECT_EQ(FixedCount(2, 2), 1);
    EXPECT_EQ(FixedCount(1, 5), 1);
    EXPECT_EQ(FixedCount(3, 0), 0);
}

TEST(SheetStyle, SheetKindSeesEveryGroupFirst) {
    std::vector<std::string> seen;
    const auto style =
        ParseSheetStyle("(FixedCols=3)(Mine=1)", [&seen](std::string_view group, cmcSheetStyle&) {
            seen.emplace_back(group);
            return group.starts_with("Mine");
        });
    EXPECT_EQ(seen, (std::vector<std::string>{"FixedCols=3", "Mine=1"}));
    EXPECT_EQ(style.fixedCols, 3);
}

TEST(SheetBasicCell, FontGroupIsAppended) {
    EXPECT_EQ(BasicCellLine("{S}", {.fixedHeight = -15}), "{S}{(Font=,,,-15,,,)}");
    EXPECT_EQ(BasicCellLine("{S}", {.fontSizePercent = 120}), "{S}{(Font=,,,%120,,,)}");
    EXPECT_EQ(BasicCellLine("", {.fontSizePercent = 100, .printing = true, .printFontRatio = 80}),
              "{(Font=,,,%100,,,)}{(Font=,,,%80,,,)}");
    EXPECT_EQ(BasicCellLine("", {.printing = true}), "{(Font=,,,%100,,,)}");

    LinesTable table({"#CellModel_Basic", "<-(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)",
                      "#GI_Sheet_T_BasicCell", "{($Basic)}", "#End_Of_Ovl"});
    cmcCellObj basic;
    ParseBasicCell(*table, "GI_Sheet_T", {.fontSizePercent = 150}, basic, nullptr);
    ASSERT_TRUE(basic.font.has_value());
    EXPECT_EQ(basic.font->height, -25);
}

TEST(SheetRows, OneLineLoopCopiesCellsWithRisingIndex) {
    LinesTable table({"#S_Cells", "{S}No.|{S}Freq", ":(LoopFrom 16)",
                      "{S(%CT_Mch.CL_Mch_No[0])}|{S(%CT_Mch.CL_Mch_FreqR[0])}", ":(LoopTo)", "#",
                      "#End_Of_Ovl"});
    const auto rows = Fill(table, "S", nullptr);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(ColumnCount(rows), 2u);
    EXPECT_EQ(rows[0].cells[0].Text(), "No.");
    for (int r = 1; r <= 16; ++r) {
        ASSERT_EQ(rows[r].cells.size(), 2u);
        EXPECT_EQ(rows[r].cells[0].item, CL_Mch_No);
        EXPECT_EQ(rows[r].cells[0].index, r - 1);
        EXPECT_EQ(rows[r].cells[1].category, CT_Mch);
        EXPECT_EQ(rows[r].cells[1].index, r - 1);
        EXPECT_EQ(rows[r].repeatsAbove, r > 1);
    }
}

TEST(SheetRows, TwoLineBodyIsParsedAgainSoChannelVariablesAdvance) {
    LinesTable table({"#S_Cells", ":(LoopFrom 3)", "{(@ch0+)(%CL_Mch_No[@ch0])}CH \\(@ch0)",
                      "{(%CL_Mch_Text[@ch0])}", ":(LoopTo)", "tail", "#End_Of_Ovl"});
    int32_t vars[kChannelVarCount] = {};
    const auto rows = Fill(table, "S", vars);
    ASSERT_EQ(rows.size(), 7u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(rows[2 * k].cells[0].index, k + 1);
        EXPECT_EQ(rows[2 * k].cells[0].Text(), "CH " + std::to_string(k + 1));
        EXPECT_EQ(rows[2 * k + 1].cells[0].index, k + 1);
        EXPECT_FALSE(rows[2 * k + 1].repeatsAbove);
    }
    EXPECT_EQ(rows[6].cells[0].Text(), "tail");
    EXPECT_EQ(vars[0], 3);
}

TEST(SheetRows, DirectivesSelectionAndCounts) {
    LinesTable table({"#S_Cells", "a", ":(SelectOFF)", "", ":(LoopFrom 0)", "b", ":(LoopTo)",
                      ":(SelectON)(LoopFrom 2)", "c", ":(LoopTo)", ":(LoopTo)", "#",
                      "#End_Of_Ovl"});
    cmcSheetRowReader reader(*table, "S");
    reader.Read();
    const auto& rows = reader.Rows();
    ASSERT_EQ(rows.size(), 5u);
    const int lines[] = {0, 2, 4, 7, 7};
    const bool multi[] = {true, false, false, true, true};
    for (size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].line, lines[r]) << r;
        EXPECT_EQ(rows[r].multiSelect, multi[r]) << r;
    }
    const auto filled = Fill(table, "S", nullptr);
    EXPECT_TRUE(filled[1].cells.empty());
}

TEST(SheetRows, SheetKindDirectivesCanSkipAndLoopWithoutCount) {
    LinesTable table({"#S_Cells", ":(Only_Lmr 2)", "skipped", ":(LoopFrom 5)", "kept",
                      ":(LoopFrom)", "{(%CL_Mch_No[0])}", ":(LoopTo)", "#End_Of_Ovl"});
    int loopStartRow = -1;
    const cmcDirectiveKey key = [&loopStartRow](std::string_view group, cmcSheetRowReader& r) {
        if (group.starts_with("Only_Lmr")) {
            r.SkipLines(2);
            return true;
        }
        if (group == "LoopFrom") {
            r.StartLoop(4);
            r.SetMultiSelect(false);
            loopStartRow = static_cast<int>(r.Rows().size());
            return true;
        }
        return false;
    };
    const auto rows = Fill(table, "S", nullptr, key);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].cells[0].Text(), "kept");
    EXPECT_EQ(loopStartRow, 1);
    EXPECT_EQ(rows[4].cells[0].index, 3);
}

TEST(SheetRows, LoopCountIsBounded) {
    cmcSheetRowReader reader({":(LoopFrom 2000000000)", "x", ":(LoopTo)"});
    reader.Read();
    EXPECT_EQ(reader.Rows().size(), static_cast<size_t>(cmcSheetRowReader::kMaxLoopCount));
}

TEST(MenuLayout, DepthParentsAndCells) {
    LinesTable table({"#CellModel_Basic", "<-(Color=clWindow)(PopupMenu=GI_PMenu_Edit)",
                      "#GI_Menu_T_BasicCell", "{($Basic)(%CT_Null.)}", "#GI_Menu_T_Body", "+&File",
                      " +&Open...\t{(%CL_Menu_File_Open:Ctrl+O)(ImageIndex=1)}", " +Recent",
                      "  +{(%CL_Menu_File_Recent[0])}", " +E&xit{(%CL_Menu_File_Exit)}",
                      "no item here", "+&Help", "#", "#End_Of_Ovl"});
    cmcMenuLayout menu;
    menu.Load(*table, "GI_Menu_T");
    const auto& items = menu.Items();
    ASSERT_EQ(items.size(), 6u);
    const int depths[] = {0, 1, 1, 2, 1, 0};
    const int parents[] = {-1, 0, 0, 2, 0, -1};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].depth, depths[i]) << i;
        EXPECT_EQ(items[i].parent, parents[i]) << i;
        EXPECT_EQ(items[i].cell.base, &menu.Basic());
        EXPECT_EQ(items[i].cell.category, CT_Null);
    }
    EXPECT_EQ(items[1].cell.Text(), "&Open...");
    EXPECT_EQ(items[1].cell.param, "Ctrl+O");
    EXPECT_EQ(items[1].cell.item, CL_Menu_File_Open);
    EXPECT_EQ(items[1].cell.imageIndex, 1);
    EXPECT_EQ(items[0].cell.item, kNoCellItem);
    EXPECT_EQ(*items[4].cell.PopupMenuName(), "GI_PMenu_Edit");
}

TEST(ToolBarLayout, SeparatorsRowEndsAndButtons) {
    LinesTable table({"#GI_ToolBar_T_BasicCell", "{(%CT_Null.)}", "#GI_ToolBar_T_Body",
                      "{(%CL_Menu_File_New)(ImageIndex=0)}New", "-",
                      "{(%CL_Menu_File_Open)(ImageIndex=1)}Open", "/",
                      "{(%CL_Menu_Clone_Read)(ImageIndex=5)}Read", "#", "#End_Of_Ovl"});
    cmcToolBarLayout bar;
    bar.Load(*table, "GI_ToolBar_T");
    const auto& items = bar.Items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].kind, cmcToolKind::Button);
    EXPECT_EQ(items[0].cell.Text(), "New");
    EXPECT_EQ(items[1].kind, cmcToolKind::Separator);
    EXPECT_EQ(items[3].kind, cmcToolKind::RowEnd);
    EXPECT_EQ(items[4].cell.item, CL_Menu_Clone_Read);
    EXPECT_EQ(items[4].cell.imageIndex, 5);
}
