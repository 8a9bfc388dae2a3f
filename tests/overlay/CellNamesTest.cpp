#include <gtest/gtest.h>

#include "CellNames.h"
#include "OverlayTestUtil.h"

TEST(CellNames, EveryNameResolvesToItsId) {
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(FindCategory(CategoryName(c)), c) << CategoryName(c);
    }
    for (int i = 0; i < kCellItemCount; ++i) {
        EXPECT_EQ(FindCellItem(CellItemName(i)), i) << CellItemName(i);
    }
}

TEST(CellNames, IdsAndNamesAgree) {
    EXPECT_EQ(CL_Mch_FreqR, 92);
    EXPECT_EQ(FindCellItem("CL_Mch_FreqR"), CL_Mch_FreqR);
    EXPECT_EQ(FindCellItem("CallSheet"), 35);
    EXPECT_EQ(FindCellItem("CL_EeDebugWin_F"), 66);
    EXPECT_EQ(FindCellItem("CL_5TTx_DispDigit0"), 403);
    EXPECT_EQ(FindCellItem("CL_Maker_SetModeAccess"), 437);
    EXPECT_EQ(FindCategory("CT_PopupMenu"), 1);
    EXPECT_EQ(FindCategory("CT_MSK_Cfg"), 19);
    EXPECT_EQ(CellItemName(CL_Msk_TimingErr_dTT), "CL_Msk_TimingErr_dTT");
    // The added menu commands follow the last fixed id; past the last item no name is.
    EXPECT_EQ(FindCellItem("CL_Menu_Clone_Fleet"), 438);
    EXPECT_GT(FindCellItem("CL_Menu_Clone_Backup"), 438);
    EXPECT_NE(CellItemName(kCellItemCount - 1), "");
    EXPECT_EQ(CellItemName(kCellItemCount), "");
    EXPECT_EQ(CategoryName(-1), "");
}

TEST(CellNames, EmptyNameMeansNone) {
    EXPECT_EQ(FindCategory(""), 20);
    EXPECT_EQ(FindCellItem(""), kCellItemCount);
}

TEST(CellNames, UnknownNamesAreFatal) {
    EXPECT_EQ(InternalErrorOf([] { FindCategory("CT_Nothing"); }),
              "Cannot use the specified category.\n'CT_Nothing'");
    EXPECT_EQ(InternalErrorOf([] { FindCellItem("CL_Mch_freqR"); }),
              "Cannot use the specified cell.\n'CL_Mch_freqR'");
    // Categories and items are separate name spaces.
    EXPECT_EQ(InternalErrorOf([] { FindCategory("CL_Null"); }),
              "Cannot use the specified category.\n'CL_Null'");
    EXPECT_EQ(InternalErrorOf([] { FindCellItem("CT_Mch"); }),
              "Cannot use the specified cell.\n'CT_Mch'");
}

TEST(CellNames, CategoryGroups) {
    const int expected[] = {0, 0, 0, 4, 5, 6, 7, 8, 9, 11, 12, 10, 13, 0, 14, 15, 16, 17, 0, 0, 0};
    for (int c = 0; c <= 20; ++c) {
        if (c != CT_Mch) {
            EXPECT_EQ(CategoryGroup(c, 0), expected[c]) << c;
        }
    }
    EXPECT_EQ(CategoryGroup(CT_Mch, 0), 1);
    EXPECT_EQ(CategoryGroup(CT_Mch, 1), 2);
    EXPECT_EQ(CategoryGroup(CT_Mch, 2), 3);
    EXPECT_EQ(InternalErrorOf([] { CategoryGroup(21, 0); }), "Unknown Cell Category. (21)");
    EXPECT_EQ(InternalErrorOf([] { CategoryGroup(-1, 0); }), "Unknown Cell Category. (-1)");
}
