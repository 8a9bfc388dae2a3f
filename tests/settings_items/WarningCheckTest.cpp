// The warning check list: the overlay's checks and the sixteen bank checks,
// their counters and sheet references, the tree marks and the events after.

#include <gtest/gtest.h>

#include <algorithm>

#include "BankSheets.h"
#include "CellNames.h"
#include "ChBanks.h"
#include "ChEvents.h"
#include "EventIds.h"
#include "SettingsFixture.h"
#include "WarningCheck.h"
#include "datCh.h"

namespace {

// A tree of top-level nodes that records what the check asks of it.
class RecordingTree : public indWarningTree {
  public:
    explicit RecordingTree(int topLevel) : topLevel_(topLevel) {}
    void ClearMarks() override { calls.push_back("clear"); }
    int TopLevelCount() const override { return topLevel_; }
    void Mark(int node, const std::vector<std::string>& references, int overlay) override {
        calls.push_back("mark " + std::to_string(node) + " " + std::to_string(overlay) + " " +
                        std::to_string(references.size()));
    }
    std::vector<std::string> calls;

  private:
    int topLevel_;
};

class WarningCheckTest : public ::testing::Test {
  protected:
    indWarningCheckResult Check() {
        return WarningCheck::CheckWarnings(f.handler, f.texts, f.model, nullptr);
    }

    // Channel row of a BiisPmr image: BIIS or not, selective call value.
    void SetChannel(int row, bool biis, int selectiveCall) {
        datCh ch(&f.working);
        ch.Decode(KindMchBiisPmr, row);
        ch.Set(datField::Biis, biis ? 1 : 0);
        ch.Set(datField::SelectiveCall, selectiveCall);
        ch.Set(datField::ChannelMute, 1);
        ch.Set(datField::Monitor, 6);
        ch.Encode();
    }

    SettingsFixture f{ModelBiisPmr};
};

TEST_F(WarningCheckTest, NewImagesOfEveryModelPassTheChecks) {
    for (int model : {ModelLmr, ModelPmr, ModelBiisPmr}) {
        f.LoadTemplate(model);
        const indWarningCheckResult r = Check();
        EXPECT_EQ(r.errors, 0) << model;
        EXPECT_EQ(r.warnings, 0) << model;
        EXPECT_TRUE(r.errorReferences.empty());
        EXPECT_TRUE(r.warningReferences.empty());
    }
}

TEST_F(WarningCheckTest, BankChecksNameTheBankSheetsAsTheTreeDoes) {
    EXPECT_EQ(WarningCheck::BankCheckCell(ModelLmr, 0),
              "{(%CL_Check_Mch:[St_ChBank]GI_Sheet_Mch_Lmr,Bank 0)}");
    EXPECT_EQ(WarningCheck::BankCheckCell(ModelPmr, 7),
              "{(%CL_Check_Mch:[St_ChBank]GI_Sheet_Mch_Pmr,Bank 7)}");
    EXPECT_EQ(WarningCheck::BankCheckCell(ModelBiisPmr, 15),
              "{(%CL_Check_Mch:[St_ChBank]GI_Sheet_Mch_PmrB,Bank 15)}");
    // The referenced sheets exist in the overlay under exactly these names.
    for (int model : {ModelLmr, ModelPmr, ModelBiisPmr}) {
        EXPECT_TRUE(
            f.texts.HasSection(std::string("GI_Sheet_Mch_") + BankSheets::Word(model) + "_Cells"));
    }
}

TEST_F(WarningCheckTest, LmrImageReportsNothingFromTheFiveChecks) {
    f.LoadTemplate(ModelLmr);
    // Values that would be errors and warnings on a BiisPmr radio.
    f.SetWord(0x34E0, 10);
    f.SetWord(0x34E4, 50);      // killer outside the individual range
    f.SetWord(0x3504 + 9, 3);   // own-ID group 1 inside the individual range
    f.SetWord(0x35C4, 0xFFFF);  // status base ID outside the address space
    f.SetWord(0x017E, 2000);    // user tone 0 decode window upside down
    f.SetWord(0x0180, 1000);
    datCh ch(&f.working);
    ch.Decode(KindMchLmr, 0);
    ch.Set(datField::Biis, 1);
    ch.Set(datField::SelectiveCall, 3);
    ch.Encode();
    const indWarningCheckResult r = Check();
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.warnings, 0);
    // The same image read as BiisPmr reports every one of them.
    f.model = ModelBiisPmr;
    const indWarningCheckResult biis = Check();
    EXPECT_EQ(biis.errors, 4);  // address range, own-ID groups, configuration, bank 0
    EXPECT_EQ(biis.warnings, 1);
}

TEST_F(WarningCheckTest, BiisPmrChecksFileErrorsAndWarningsBySheet) {
    f.LoadTemplate(ModelBiisPmr);
    SetBankCount(f.working, 0, 3);
    SetBankCount(f.working, 1, 2);
    // Bank 0: channels that break the BIIS rules but are not BIIS channels.
    for (int row = 0; row < 3; ++row) {
        SetChannel(row, false, 3);
    }
    // Bank 1: a BIIS channel with a wrong selective call.
    SetChannel(3, false, 1);
    SetChannel(4, true, 2);
    f.SetWord(0x017E + 8, 2000);  // user tone 2: high below low
    f.SetWord(0x0180 + 8, 1000);
    const indWarningCheckResult r = Check();
    EXPECT_EQ(r.errors, 1);
    EXPECT_EQ(r.warnings, 1);
    EXPECT_EQ(r.errorReferences, std::vector<std::string>{"[St_ChBank]GI_Sheet_Mch_PmrB,Bank 1"});
    EXPECT_EQ(r.warningReferences, std::vector<std::string>{"GI_Sheet_UserTone"});
    // A monitor value other than 6 or 7 on a BIIS channel is a warning of its bank.
    SetChannel(4, true, 1);
    datCh ch(&f.working);
    ch.Decode(KindMchBiisPmr, 4);
    ch.Set(datField::Monitor, 2);
    ch.Encode();
    const indWarningCheckResult w = Check();
    EXPECT_EQ(w.errors, 0);
    EXPECT_EQ(w.warnings, 2);
    EXPECT_EQ(w.warningReferences[1], "[St_ChBank]GI_Sheet_Mch_PmrB,Bank 1");
}

TEST_F(WarningCheckTest, MskChecksNameTheirSheets) {
    f.LoadTemplate(ModelBiisPmr);
    f.SetWord(0x34E4, f.Word(0x34E0));  // killer at the group start
    f.SetWord(0x3504 + 9 * 5, 0);       // own-ID group 5 in the individual range
    f.SetWord(0x35C6, 5000);            // GPS base ID outside the address space
    const indWarningCheckResult r = Check();
    EXPECT_EQ(r.errors, 3);
    EXPECT_EQ(r.errorReferences,
              (std::vector<std::string>{"GI_Sheet_Msk_AdrRange", "GI_Sheet_Msk_IdGroup",
                                        "GI_Sheet_Msk_Cfg"}));
}

TEST_F(WarningCheckTest, WithoutATreeNothingRuns) {
    f.LoadTemplate(ModelBiisPmr);
    f.SetWord(0x34E4, 4095);
    int errors = 7, warnings = 7;
    WarningCheck::RunWarningCheck(nullptr, f.handler, f.texts, f.model, &errors, &warnings);
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(warnings, 0);
    EXPECT_EQ(f.events.QueuedCount(), 0);
}

TEST_F(WarningCheckTest, TreeIsClearedThenMarkedLastNodeFirstErrorsOverWarnings) {
    f.LoadTemplate(ModelBiisPmr);
    f.SetWord(0x34E4, 4095);
    f.SetWord(0x017E, 2000);
    RecordingTree tree(2);
    int errors = 0, warnings = 0;
    std::vector<int> posted;
    auto listener = [](void* self, const cmcEvent& e) {
        static_cast<std::vector<int>*>(self)->push_back(e.kind);
    };
    f.events.AddListener(listener, &posted);
    WarningCheck::RunWarningCheck(&tree, f.handler, f.texts, f.model, &errors, &warnings);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(tree.calls, (std::vector<std::string>{"clear", "mark 1 1 1", "mark 1 0 1",
                                                    "mark 0 1 1", "mark 0 0 1"}));
    f.events.Pump();
    f.events.RemoveListener(listener, &posted);
    EXPECT_NE(std::find(posted.begin(), posted.end(), EventIds::TreeMarks), posted.end());
    EXPECT_NE(std::find(posted.begin(), posted.end(), EventIds::BankSheetRefresh), posted.end());
}

}  // namespace
