#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChBanks.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cuiTree.h"

namespace {

const std::vector<std::string> kOverlay = {
    "#GI_Tree_Main_BasicCell",
    "{(%CallSheet)(ImageIndex=2)}",
    "#GI_Tree_Main_Body",
    "+{(%CallSheet:GI_Sheet_CloneInfo)(ImageIndex=0)}Radio",
    "-+{(%CallSheet:GI_Sheet_Memory_CH_Top)}Memory channels",
    "-+{(%CallSheet:[St_Common]GI_Sheet_Common)}Common",
    "-+{(%CallSheet:GI_Sheet_2Tone)(Flag1=1)}2-tone",
    "-+{(%CallSheet:GI_Sheet_5ToneRx)(Flag2=1)}5-tone",
    "--+{(%CallSheet:GI_Sheet_5ToneTx)}5-tone transmit",
    "-+{(%CallSheet:GI_Sheet_Msk_Cfg)(Flag3=1)}MSK",
    "-+{(%CallSheet:GI_Sheet_Maker)(Flag0=1)}Maker",
    "#",
    "#GI_Tree_Branch_Mch_BankOperation",
    "+{(%CallSheet:GI_Sheet_BankOp)}Bank operation",
    "#GI_Tree_Branch_Mch_Bank",
    "+Bank %d{(%CallSheet:[St_ChBank]GI_Sheet_Mch_%s,Bank %d)}",
    "#End_Of_Ovl",
};

std::vector<std::string> Captions(cuiTree& tree) {
    std::vector<std::string> out;
    tree.ForEach([&](cuiTree::Node& n, int depth) {
        out.push_back(std::string(static_cast<size_t>(depth), '-') + n.Caption());
    });
    return out;
}

class TreeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        texts.SetLines(&kOverlay);
        tree.Build();
    }
    cmcGTex texts;
    cuiTree tree{texts};
};

}  // namespace

TEST_F(TreeTest, DepthGivesTheNesting) {
    EXPECT_EQ(Captions(tree),
              (std::vector<std::string>{"Radio", "-Memory channels", "-Common", "-2-tone",
                                        "-5-tone", "--5-tone transmit", "-MSK", "-Maker"}));
    EXPECT_TRUE(tree.Roots()[0]->expanded);
    EXPECT_EQ(tree.Roots()[0]->image, 0);
    const cuiTree::Node* common = tree.FindNodeByReference("[St_Common]GI_Sheet_Common");
    ASSERT_NE(common, nullptr);
    EXPECT_EQ(common->image, 2);  // the basic cell's
}

// Which nodes each model type and maker mode keep (a removed node takes its
// children with it; the memory branch gets its bank nodes every time).
TEST_F(TreeTest, TheModelAndMakerModeRemoveNodes) {
    const struct {
        int model;
        bool maker;
        std::vector<std::string> nodes;  // depth 1 and 2, without the bank nodes
    } cases[] = {
        {ModelLmr, false, {"-Memory channels", "-Common", "-2-tone"}},
        {ModelLmr, true, {"-Memory channels", "-Common", "-2-tone", "-Maker"}},
        {ModelPmr, false, {"-Memory channels", "-Common", "-5-tone", "--5-tone transmit"}},
        {ModelPmr, true, {"-Memory channels", "-Common", "-5-tone", "--5-tone transmit", "-Maker"}},
        {ModelBiisPmr,
         false,
         {"-Memory channels", "-Common", "-5-tone", "--5-tone transmit", "-MSK"}},
        {ModelBiisPmr,
         true,
         {"-Memory channels", "-Common", "-5-tone", "--5-tone transmit", "-MSK", "-Maker"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + (c.maker ? " maker" : ""));
        cuiTree adapted(texts);
        adapted.Build();
        adapted.AdaptToModel(c.model, c.maker);
        std::vector<std::string> nodes;
        for (const std::string& caption : Captions(adapted)) {
            const bool bankNode = caption.rfind("--Bank", 0) == 0;
            if (caption != "Radio" && !bankNode) {
                nodes.push_back(caption);
            }
        }
        EXPECT_EQ(nodes, c.nodes);
        const cuiTree::Node* top = adapted.FindNodeByReference(cuiTree::MemoryChannelTop);
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->children.size(), 17u);
    }
}

TEST_F(TreeTest, TheMemoryBranchGetsTheBankNodes) {
    tree.AdaptToModel(ModelBiisPmr, false);
    const cuiTree::Node* top = tree.FindNodeByReference(cuiTree::MemoryChannelTop);
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->children.size(), 17u);
    EXPECT_EQ(top->children[0]->Reference(), "GI_Sheet_BankOp");
    EXPECT_EQ(top->children[1]->Caption(), "Bank 1");
    EXPECT_EQ(top->children[16]->Reference(), "[St_ChBank]GI_Sheet_Mch_PmrB,Bank 15");
    EXPECT_EQ(cuiTree::BankOfReference(top->children[16]->Reference()), 15);
    EXPECT_EQ(cuiTree::BankOfReference("GI_Sheet_BankOp"), -1);
    tree.AdaptToModel(ModelBiisPmr, false);  // again: the branch is rebuilt, not doubled
    EXPECT_EQ(tree.FindNodeByReference(cuiTree::MemoryChannelTop)->children.size(), 17u);
}

TEST_F(TreeTest, BankIconsFollowChannelsAndSmarTrunk) {
    tree.AdaptToModel(ModelPmr, false);
    cmcEeprom image;
    image.Resize(0x4000);
    SetBankCount(image, 1, 3);
    SetBankSmarTrunk(image, 2, true);
    SetBankCount(image, 3, 1);
    SetBankSmarTrunk(image, 3, true);
    tree.UpdateBankIcons(image);
    const auto& banks = tree.FindNodeByReference(cuiTree::MemoryChannelTop)->children;
    EXPECT_EQ(banks[1]->image, 4);  // bank 0: empty
    EXPECT_EQ(banks[2]->image, 5);  // bank 1: channels
    EXPECT_EQ(banks[3]->image, 6);  // bank 2: SmarTrunk, empty
    EXPECT_EQ(banks[4]->image, 7);  // bank 3: both
}

TEST_F(TreeTest, MarksShowOnListedAndCollapsedNodesAndErrorsWin) {
    tree.AdaptToModel(ModelPmr, false);
    // The check list writes the model word in capitals; the match ignores case.
    tree.Mark(
        {"[St_ChBank]GI_Sheet_Mch_PMR,Bank 2"},
        {"[St_Common]GI_Sheet_Common", "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 2", "GI_Sheet_5ToneTx"});
    cuiTree::Node* top = tree.FindNodeByReference(cuiTree::MemoryChannelTop);
    EXPECT_EQ(top->children[3]->overlay, 0);  // listed as error and as warning
    EXPECT_EQ(top->overlay, 0);               // collapsed: shows what is below
    EXPECT_EQ(tree.FindNodeByReference("[St_Common]GI_Sheet_Common")->overlay, 1);
    EXPECT_EQ(tree.FindNodeByReference("GI_Sheet_5ToneRx")->overlay, 1);
    EXPECT_EQ(tree.Roots()[0]->overlay, -1);  // expanded: its marks are visible below
    top->expanded = true;
    tree.Mark({"[St_ChBank]GI_Sheet_Mch_PMR,Bank 2"}, {});
    EXPECT_EQ(top->overlay, -1);
}
