#include <gtest/gtest.h>

#include "CellNames.h"
#include "OverlayTestUtil.h"
#include "cmcFCache.h"

namespace {

// Two columns of three rows; display order is column-major:
// 10 "Ten", 30 "Thirty", 20 "Twenty", 40 (param "Forty"), 50 "Fifty".
LinesTable& Choices() {
    static LinesTable table({
        "#GI_Sheet_Sel_T_Cells",
        "{S(%CL_Mch_Tot[10])}Ten|{S(%CL_Mch_Tot[40]:Forty)}4 0",
        "{S(%CL_Mch_Tot[30])}Thirty|{S(%CL_Mch_Tot[50])}Fifty|{(%CL_Mch_Nar[1])}other",
        "{S(%CL_Mch_Tot[20])}Twenty",
        "#",
        "#GI_Sheet_Sel_P_Cells",  // placeholders: cells that are not selectable
        "{S(%CL_Mch_Tot[0])}Off|{(%CL_Mch_Tot[4])}(n/a)|{S(%CL_Mch_Tot[1])}On|{(%CL_Mch_Tot[5])}(n/"
        "a)",
        "{(%CL_Mch_Nar[0])}(n/a)",
        "#",
        "#GI_Sheet_Sel_Bad_Cells",
        "{(%CL_Mch_Tot[1])}One|{(%CL_Unknown[2])}Two",
        "#",
        "#End_Of_Ovl",
    });
    return table;
}

}  // namespace

TEST(FCache, BuildsTablesOnFirstUse) {
    cmcFCache cache(Choices().get());
    EXPECT_EQ(cache.FindTable("GI_Sheet_Sel_T", CL_Mch_Tot), nullptr);
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_Tot, 30), "Thirty");
    const cmcChoiceTable* table = cache.FindTable("GI_Sheet_Sel_T", CL_Mch_Tot);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows, 3);
    EXPECT_EQ(table->columns, 3);
    EXPECT_EQ(table->Count(), 5u);
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_Tot, 40), "Forty");
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_Tot, 35), "error");
    EXPECT_EQ(&cache.Table("GI_Sheet_Sel_T", CL_Mch_Tot), table);
    const int order[] = {10, 30, 20, 40, 50};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table->byPosition[i].value, order[i]);
        EXPECT_EQ(table->byValue[i].value, 10 * (i + 1));
    }
}

TEST(FCache, StepChoiceWrapsBothWays) {
    cmcFCache cache(Choices().get());
    int32_t value = 0;
    EXPECT_FALSE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 10, 1, value));
    cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_Tot, 10);
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 10, 1, value));
    EXPECT_EQ(value, 30);
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 20, 1, value));
    EXPECT_EQ(value, 40);
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 50, 1, value));
    EXPECT_EQ(value, 10);
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 10, -1, value));
    EXPECT_EQ(value, 50);
    // A value not in the table lies beyond the last: forward gives the first.
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 99, 1, value));
    EXPECT_EQ(value, 10);
    ASSERT_TRUE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_Tot, 99, -1, value));
    EXPECT_EQ(value, 50);
}

TEST(FCache, PlaceholdersAreNeverChosenNorSteppedOn) {
    cmcFCache cache(Choices().get());
    const std::string list = "GI_Sheet_Sel_P";
    struct Case {
        int32_t from;
        int step;
        int32_t to;
    };
    cache.Table(list, CL_Mch_Tot);
    for (const Case& k :
         {Case{0, 1, 1}, Case{1, 1, 0}, Case{0, -1, 1}, Case{4, 1, 1}, Case{9, -1, 1}}) {
        int32_t value = -1;
        ASSERT_TRUE(cache.StepChoice(list, CL_Mch_Tot, k.from, k.step, value));
        EXPECT_EQ(value, k.to) << "from " << k.from << " step " << k.step;
    }
    EXPECT_TRUE(cache.CanChoose(list, CL_Mch_Tot, 1));
    EXPECT_FALSE(cache.CanChoose(list, CL_Mch_Tot, 4));
    EXPECT_FALSE(cache.CanChoose(list, CL_Mch_Tot, 7));            // no entry at all
    EXPECT_EQ(cache.GetChoiceText(list, CL_Mch_Tot, 5), "(n/a)");  // still shown
    // A list of placeholders only gives no step.
    int32_t value = 0;
    cache.Table(list, CL_Mch_Nar);
    EXPECT_FALSE(cache.StepChoice(list, CL_Mch_Nar, 0, 1, value));
}

TEST(FCache, TableWithoutMatchingCellsShowsError) {
    cmcFCache cache(Choices().get());
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_RfPo, 0), "error");
    const auto* table = cache.FindTable("GI_Sheet_Sel_T", CL_Mch_RfPo);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Count(), 0u);
    int32_t value = 7;
    EXPECT_FALSE(cache.StepChoice("GI_Sheet_Sel_T", CL_Mch_RfPo, 0, 1, value));
    EXPECT_EQ(value, 7);
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_T", CL_Mch_Nar, 1), "other");
}

TEST(FCache, MissingSectionIsFatal) {
    cmcFCache cache(Choices().get());
    EXPECT_EQ(InternalErrorOf([&] { cache.GetChoiceText("GI_Sheet_Sel_None", CL_Mch_Tot, 0); }),
              "GTEX Error !\nThe index 'GI_Sheet_Sel_None_Cells' was not found.");
}

// The program ends on a fatal error; should a caller go on, the table it
// left behind is empty, never half built.
TEST(FCache, TableOfAFailedBuildStaysEmpty) {
    cmcFCache cache(Choices().get());
    EXPECT_EQ(InternalErrorOf([&] { cache.GetChoiceText("GI_Sheet_Sel_Bad", CL_Mch_Tot, 1); }),
              "Cannot use the specified cell.\n'CL_Unknown'");
    int32_t value = 0;
    EXPECT_FALSE(cache.StepChoice("GI_Sheet_Sel_Bad", CL_Mch_Tot, 1, 1, value));
    EXPECT_EQ(cache.GetChoiceText("GI_Sheet_Sel_Bad", CL_Mch_Tot, 1), "error");
}
