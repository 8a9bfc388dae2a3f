// The window's channel exchange and comparison: a CSV import is one undo
// step, a refused one lists every error and changes nothing; a comparison
// line leads to the cell that shows the difference.

#include <gtest/gtest.h>

#include <fstream>

#include "CellNames.h"
#include "ChannelExchange.h"
#include "ClfTestSupport.h"
#include "ScopedOverride.h"
#include "cmcMessageBoxHost.h"
#include "indSheetSession.h"

namespace {

const char* const kBank0 = "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0";

struct Exchange {
    Exchange() {
        s.Document().ChangeModelType(ModelPmr, false);
        EXPECT_TRUE(s.Document().NewFile());
        EXPECT_TRUE(s.ShowSheet(kBank0));
        Type(0, "146.52");
    }
    void Type(int channel, const char* freq) {
        const auto at = s.Sheet()->FindCell(CL_Mch_FreqR, channel);
        ASSERT_TRUE(at);
        s.Sheet()->SetCurrent(*at);
        ASSERT_EQ(s.Cells()->Commit(freq).outcome, indCellOutcome::Done);
    }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        std::ofstream(path) << text;
        return path;
    }
    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &box};
    ScratchDir dir;
    indSheetSession s;
};

TEST(ChannelExchangeTest, AnImportIsOneUndoStepAndARefusedOneChangesNothing) {
    Exchange x;
    const std::string good = x.dir.File("good.csv");
    ASSERT_TRUE(ChannelExchange::ExportChannelsToFile(x.s.Context(), good).ok);
    std::ifstream in(good);
    std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = csv.find("146.52");
    ASSERT_NE(at, std::string::npos);

    std::string changed = csv;
    changed.replace(at, 6, "147.25");
    const std::string broken = changed + "1,bad,row\n2,worse,row\n";

    x.s.Document().ClearModified();  // as if saved here
    const cmcEeprom before = [&] {
        cmcEeprom e;
        e.Assign(x.s.Document().WorkingImage());
        return e;
    }();
    indDocument& doc = x.s.Document();
    doc.UndoHistory().Clear();
    const indExchangeResult refused =
        ChannelExchange::ImportChannelsFromFile(x.s.Context(), x.Write("broken.csv", broken));
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.lines.size(), 2u);  // every error, not only the first
    EXPECT_NE(refused.lines[1].find("'worse'"), std::string::npos);
    EXPECT_NE(refused.message.find("nothing was changed"), std::string::npos);
    EXPECT_TRUE(doc.WorkingImage().IsEqual(before));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.UndoHistory().CanUndo());

    const indExchangeResult missing =
        ChannelExchange::ImportChannelsFromFile(x.s.Context(), x.dir.File("none.csv"));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("none.csv"), std::string::npos);

    const indExchangeResult taken =
        ChannelExchange::ImportChannelsFromFile(x.s.Context(), x.Write("changed.csv", changed));
    ASSERT_TRUE(taken.ok) << taken.message;
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 1u);
    EXPECT_EQ(doc.UndoHistory().UndoName(), "Import Channels (CSV)");
    EXPECT_TRUE(doc.IsModified());
    ASSERT_NE(doc.Undo(), nullptr);
    EXPECT_TRUE(doc.WorkingImage().IsEqual(before));

    EXPECT_FALSE(
        ChannelExchange::ExportChannelsToFile(x.s.Context(), x.dir.File("no/such/dir/out.csv")).ok);
}

TEST(ChannelExchangeTest, EveryComparisonLineLeadsToTheCellShowingIt) {
    Exchange x;
    const std::string other = x.dir.File("other.clf");
    ASSERT_TRUE(x.s.Document().SaveToFile(other));
    x.Type(0, "147.25");
    x.Type(1, "145.5");
    const indCompareResult r = ChannelExchange::CompareWithFile(x.s.Context(), other);
    ASSERT_TRUE(r.ok);
    ASSERT_FALSE(r.diff.cells.empty());
    for (const indCellDifference& d : r.diff.cells) {
        SCOPED_TRACE(d.column + " " + d.row);
        ASSERT_TRUE(x.s.ShowSheet(d.reference));
        uint8_t flags = 0;
        EXPECT_NE(x.s.CellText(d.gridRow, d.gridCol, flags).find(d.before), std::string::npos);
    }
    EXPECT_FALSE(ChannelExchange::CompareWithFile(x.s.Context(), x.dir.File("absent.clf")).ok);
}

}  // namespace
