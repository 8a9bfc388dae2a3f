// The built-in fragment of the flag-bit sheet, read through a lines source.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MenuLayout.h"
#include "OverlayTestUtil.h"
#include "SheetCells.h"
#include "SheetStyle.h"

namespace {

std::vector<std::string> Fragment() {
    std::vector<std::string> lines = {
        "#GI_Sheet_FBitsR_Style",     "(FixedCols=1)(FixedRows=1)",
        "#GI_Sheet_FBitsR_BasicCell", "{($Basic)(PopupMenu=GI_PMenu_NoItem)}",
        "#GI_Sheet_FBitsR_Cells",
    };
    // Rows 5 to 11: a header row of bit numbers and six rows of bits.
    std::string header = "{($iQp)}";
    for (int bit = 7; bit >= 0; --bit) {
        header += "|{($iChI)}" + std::to_string(bit);
    }
    lines.push_back(header);
    for (int row = 0; row < 6; ++row) {
        std::string line = "{($iChI)}" + std::to_string(row);
        for (int bit = 7; bit >= 0; --bit) {
            line += "|{($eWh)(%CL_FBits[" + std::to_string(row * 8 + bit) + "])}";
        }
        lines.push_back(line);
    }
    const std::vector<std::string> rest = {
        "#CellModel_iChI",
        "^-WH(Color=clGray)(Font=,,clWhite,,,fsBold,)",
        "#CellModel_eWh",
        "S<_WHB",
        "#CellModel_iQp",
        "(%CT_Null.CL_Misc_QuarterPillar)",
        "#CellModel_Basic",
        "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-17,,,)(PopupMenu=GI_PMenu_Edit)",
        "#GI_PMenu_NoItem_BasicCell",
        "{($Basic)}",
        "#GI_PMenu_NoItem_Body",
        "+No item\t{(%CT_PopupMenu.CL_PMenu_NoItem)}",
        "#",
        "#GI_PMenu_Edit_BasicCell",
        "{($Basic)(%CT_PopupMenu.)}",
        "#GI_PMenu_Edit_Body",
        "+Edit...\t{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}",
        "#",
        "#End_Of_Ovl",
        "",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

class FlagBitsFragment : public ::testing::Test {
  protected:
    LinesTable table_{Fragment()};
};

}  // namespace

TEST_F(FlagBitsFragment, HasThirtyTwoLines) {
    EXPECT_EQ(Fragment().size(), 32u);
}

TEST_F(FlagBitsFragment, SectionsAnswerTheirBodyLines) {
    EXPECT_EQ(table_->GetText("GI_Sheet_FBitsR_Style"), "(FixedCols=1)(FixedRows=1)");
    EXPECT_EQ(table_->GetText("GI_Sheet_FBitsR_Style", 1), "#GI_Sheet_FBitsR_BasicCell");
    EXPECT_EQ(table_->GetText("GI_PMenu_Edit_Body", 0),
              "+Edit...\t{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}");
    EXPECT_EQ(table_->GetText("GI_PMenu_Edit_Body", 1), "#");
    EXPECT_EQ(table_->GetLines("GI_PMenu_Edit_Body"),
              "+Edit...\t{(%CT_PopupMenu.CL_PMenu_Edit:Enter)}");
    EXPECT_EQ(table_->GetText("End_Of_Ovl"), "");
}

TEST_F(FlagBitsFragment, SheetStyleBasicCellAndCells) {
    const auto style = ReadSheetStyle(*table_, "GI_Sheet_FBitsR");
    EXPECT_EQ(style.fixedCols, 1);
    EXPECT_EQ(style.fixedRows, 1);

    cmcCellObj basic;
    int32_t vars[kChannelVarCount] = {};
    ParseBasicCell(*table_, "GI_Sheet_FBitsR", {.fontSizePercent = 100}, basic, vars);
    EXPECT_EQ(basic.HAlign(), kAlignLeftTop);
    EXPECT_EQ(basic.VAlign(), kAlignCentre);
    EXPECT_EQ(basic.color, kClWindow);
    ASSERT_TRUE(basic.font.has_value());
    EXPECT_EQ(basic.font->height, -17);
    EXPECT_EQ(basic.font->color, 0x80000008u);
    EXPECT_EQ(*basic.PopupMenuName(), "GI_PMenu_NoItem");

    cmcSheetRowReader reader(*table_, "GI_Sheet_FBitsR");
    reader.Read();
    const auto rows = FillSheetCells(reader, basic, vars, table_.get());
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(ColumnCount(rows), 9u);
    EXPECT_EQ(FixedCount(style.fixedCols, 9), 1);
    const auto& pillar = rows[0].cells[0];
    EXPECT_EQ(pillar.category, CT_Null);
    EXPECT_EQ(pillar.item, CL_Misc_QuarterPillar);
    const auto& bitNo = rows[0].cells[1];
    EXPECT_EQ(bitNo.Text(), "7");
    EXPECT_EQ(bitNo.HAlign(), kAlignCentre);
    EXPECT_EQ(bitNo.color, 0x808080u);
    EXPECT_EQ(bitNo.font->color, 0xFFFFFFu);
    EXPECT_EQ(bitNo.font->style, kFontBold);
    EXPECT_EQ(bitNo.font->height, -17);  // from the basic cell's own font
    const auto& bit = rows[3].cells[8];
    EXPECT_TRUE(bit.Selectable());
    EXPECT_EQ(bit.item, CL_FBits);
    EXPECT_EQ(bit.index, 16);
    EXPECT_EQ(bit.VAlign(), kAlignRightBottom);
    EXPECT_EQ(bit.base, &basic);
    EXPECT_EQ(*bit.PopupMenuName(), "GI_PMenu_NoItem");
}

TEST_F(FlagBitsFragment, PopupMenus) {
    cmcMenuLayout noItem;
    noItem.Load(*table_, "GI_PMenu_NoItem");
    ASSERT_EQ(noItem.Items().size(), 1u);
    EXPECT_EQ(noItem.Items()[0].cell.Text(), "No item");
    EXPECT_EQ(noItem.Items()[0].cell.category, CT_PopupMenu);
    EXPECT_EQ(noItem.Items()[0].cell.item, CL_PMenu_NoItem);

    cmcMenuLayout edit;
    edit.Load(*table_, "GI_PMenu_Edit");
    EXPECT_EQ(edit.Basic().category, CT_PopupMenu);
    EXPECT_EQ(edit.Basic().item, kNoCellItem);
    ASSERT_EQ(edit.Items().size(), 1u);
    const auto& item = edit.Items()[0].cell;
    EXPECT_EQ(item.Text(), "Edit...");
    EXPECT_EQ(item.category, CT_PopupMenu);
    EXPECT_EQ(item.item, CL_PMenu_Edit);
    EXPECT_EQ(item.param, "Enter");
}
