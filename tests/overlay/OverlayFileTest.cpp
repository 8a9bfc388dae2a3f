// The overlay file delivered beside the programs.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "MenuLayout.h"
#include "OverlayTestUtil.h"
#include "ScopedOverride.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"

namespace {

std::vector<std::string> FileLines() {
    std::ifstream in(DefaultOverlayPath());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(OverlayFile, StartsWithTheTitleAndEndsWithTheMarker) {
    const auto lines = FileLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "#GI_Sys_AppTitle");
    size_t last = lines.size() - 1;
    while (last > 0 && lines[last].empty()) {
        --last;
    }
    EXPECT_EQ(lines[last], "#End_Of_Ovl");

    cmcGTex table;
    table.SetFile(DefaultOverlayPath());
    EXPECT_FALSE(table.GetText("GI_Sys_AppTitle").empty());
    EXPECT_EQ(table.GetStats().sectionsIndexed, 1u);
}

TEST(OverlayFile, ProgramTableAndMessageCaption) {
    EXPECT_EQ(SetGTex(nullptr), nullptr);
    const std::string title = GTex().GetText("GI_Sys_AppTitle");
    cmcScriptedMessageBox boxes;
    boxes.Answer(cmcMbResult::Cancel);
    {
        ScopedOverride boxOverride(SetCurrentMessageBoxHost, &boxes);
        EXPECT_EQ(ShowMessage("Text", cmcMbButtons::OkCancel, cmcMbIcon::Warning),
                  cmcMbResult::Cancel);
    }
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, title);
    EXPECT_EQ(boxes.Boxes()[0].text, "Text");

    LinesTable other({"#GI_Sys_AppTitle", "Other", "#End_Of_Ovl"});
    EXPECT_EQ(SetGTex(other.get()), nullptr);
    EXPECT_EQ(GTex().GetText("GI_Sys_AppTitle"), "Other");
    EXPECT_EQ(SetGTex(nullptr), other.get());
    EXPECT_EQ(GTex().GetText("GI_Sys_AppTitle"), title);
}

TEST(OverlayFile, PopupMenusAndCellModelsParse) {
    cmcMenuLayout noItem;
    noItem.Load(GTex(), "GI_PMenu_NoItem");
    ASSERT_EQ(noItem.Items().size(), 1u);
    EXPECT_EQ(noItem.Items()[0].cell.item, CL_PMenu_NoItem);

    cmcMenuLayout edit;
    edit.Load(GTex(), "GI_PMenu_Edit");
    std::vector<int> items;
    for (const auto& item : edit.Items()) {
        EXPECT_EQ(item.cell.category, CT_PopupMenu);
        EXPECT_FALSE(item.cell.Text().empty());
        items.push_back(item.cell.item);
    }
    EXPECT_EQ(items, (std::vector<int>{CL_PMenu_Edit, CL_PMenu_Copy, CL_PMenu_Paste,
                                       CL_PMenu_CarryUp, CL_PMenu_CarryDown, CL_PMenu_Clear,
                                       CL_PMenu_Delete, CL_PMenu_Insert}));
    EXPECT_EQ(edit.Items()[0].cell.param, "Enter");
    for (const char* model :
         {"CellModel_Basic", "CellModel_iChI", "CellModel_eWh", "CellModel_iQp"}) {
        EXPECT_TRUE(GTex().HasSection(model)) << model;
    }
}
