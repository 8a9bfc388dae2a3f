// The model-conditional sheet: "Only_" directives keep or skip the lines
// that follow them, directive lines included.

#include <gtest/gtest.h>

#include "SheetFactory.h"
#include "SheetTestSupport.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Test",
    "#CO_Style",
    "(MultiSelect=Line)",
    "#CO_BasicCell",
    "",
    "#CO_Cells",
    "a",
    ":(Only_Pmr 3)",
    "p1",
    ":(SelectOFF)",
    "p2",
    "b",
    ":(Only_SACC 1)",
    "s",
    ":(Only_Lmr)",
    "c",
    ":(Only_Lmr )",
    "d",
    "#",
    // One line for each model condition.
    "#EACH_Style",
    "",
    "#EACH_BasicCell",
    "",
    "#EACH_Cells",
    "x",
    ":(Only_Pmr 1)",
    "Pmr",
    ":(Only_Lmr 1)",
    "Lmr",
    ":(Only_BIIS 1)",
    "BIIS",
    ":(Only_notBIIS 1)",
    "notBIIS",
    "#",
    // Everything skipped for two model types.
    "#ALL_Style",
    "",
    "#ALL_BasicCell",
    "",
    "#ALL_Cells",
    ":(Only_BIIS 2)",
    "a",
    "b",
    "#",
    "#End_Of_Ovl",
};

class CommonSheetTest : public ::testing::Test, public SheetTestBase {
  protected:
    void SetUp() override { texts.SetLines(&kOverlay); }

    // The first cell's text of every row.
    std::vector<std::string> Rows(const std::string& name, int model) {
        auto sheet = SheetFactory::CreateSheet("[St_Common]" + name, Env(model));
        sheet->Build();
        std::vector<std::string> out;
        for (int r = 0; r < sheet->Rows(); ++r) {
            out.push_back(sheet->Cell(r, 0).Text());
        }
        return out;
    }
};

using Texts = std::vector<std::string>;

TEST_F(CommonSheetTest, SkippedLinesIncludeDirectiveLines) {
    EXPECT_EQ(Rows("CO", ModelLmr), (Texts{"a", "b", "c", "d"}));

    auto pmr = SheetFactory::CreateSheet("[St_Common]CO", Env(ModelPmr));
    pmr->Build();
    ASSERT_EQ(pmr->Rows(), 6);
    EXPECT_EQ(pmr->Cell(2, 0).Text(), "p2");
    EXPECT_TRUE(pmr->RowMultiSelect(1));
    EXPECT_FALSE(pmr->RowMultiSelect(2));  // the SelectOFF inside was read

    // For Lmr the skipped SelectOFF never took effect.
    auto lmr = SheetFactory::CreateSheet("[St_Common]CO", Env(ModelLmr));
    lmr->Build();
    EXPECT_TRUE(lmr->RowMultiSelect(3));
}

TEST_F(CommonSheetTest, SetModeAccessOptionKeepsItsLines) {
    image.SetByte(0x0B, 0x08);
    EXPECT_EQ(Rows("CO", ModelLmr), (Texts{"a", "b", "s", "c", "d"}));
    image.SetByte(0x0B, 0xF7);
    EXPECT_EQ(Rows("CO", ModelLmr), (Texts{"a", "b", "c", "d"}));
}

TEST_F(CommonSheetTest, EachConditionByModelType) {
    EXPECT_EQ(Rows("EACH", ModelLmr), (Texts{"x", "Lmr", "notBIIS"}));
    EXPECT_EQ(Rows("EACH", ModelPmr), (Texts{"x", "Pmr", "notBIIS"}));
    EXPECT_EQ(Rows("EACH", ModelBiisPmr), (Texts{"x", "Pmr", "BIIS"}));
}

TEST_F(CommonSheetTest, APlainSheetIgnoresTheConditions) {
    auto sheet = SheetFactory::CreateSheet("EACH", Env(ModelLmr));
    sheet->Build();
    EXPECT_EQ(sheet->Rows(), 5);
}

TEST_F(CommonSheetTest, EverythingSkippedIsIllegal) {
    EXPECT_EQ(Rows("ALL", ModelBiisPmr), (Texts{"a", "b"}));
    EXPECT_THROW(Rows("ALL", ModelPmr), cmcInternalErrorException);
}

}  // namespace
