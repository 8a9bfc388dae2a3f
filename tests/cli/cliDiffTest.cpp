// orvane-cli diff: changes as the sheets show them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ClfTestSupport.h"
#include "CliRunner.h"
#include "cmcMessageBoxHost.h"
#include "indDocument.h"

namespace {

class CliDiffTest : public ::testing::Test {
  protected:
    // A new image with channel 1 in use.
    void SetUp() override {
        original = dir.File("a.clf");
        ASSERT_EQ(Cli("new --model pmr -o " + dir.File("new.clf")).status, 0);
        ASSERT_EQ(Cli("edit " + dir.File("new.clf") + " -o " + original +
                      " -s \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\" --item \"CL_Mch_FreqR[0]\""
                      " --type 146.52")
                      .status,
                  0);
    }
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }
    static int LineCount(const std::string& text) {
        int n = 0;
        for (char ch : text) {
            n += ch == '\n' ? 1 : 0;
        }
        return n;
    }
    // A copy of the original with one image byte changed, saved as the program saves.
    std::string WithByte(int address, uint8_t value) {
        indDocument doc;
        doc.Start();
        EXPECT_EQ(doc.OpenFile(original), 0);
        doc.WorkingImage().SetByte(address, value);
        const std::string path = dir.File("b.clf");
        EXPECT_TRUE(doc.SaveToFile(path));
        return path;
    }
    ScratchDir dir;
    std::string original;
};

}  // namespace

TEST_F(CliDiffTest, AFileAgainstItselfIsEqual) {
    const CliRun run = Cli("diff " + original + " " + original);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(CliDiffTest, AChannelNameAndACommonSettingGiveTwoLines) {
    const std::string changed = dir.File("b.clf");
    const CliRun edit = Cli("edit " + original + " -o " + changed +
                            " -s \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\" --item \"CL_Mch_Text[0]\""
                            " --type Depot -s \"[St_Common]GI_Sheet_Common\""
                            " --item \"CL_Comm_UserPassword[0]\" --type 1234");
    ASSERT_EQ(edit.status, 0) << edit.err;
    const CliRun run = Cli("diff " + original + " " + changed);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(LineCount(run.out), 2) << run.out;
    EXPECT_NE(run.out.find("Bank 1 | 1-1 | Name |  | Depot\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("| 0000 | 1234\n"), std::string::npos) << run.out;
}

TEST_F(CliDiffTest, BytesNoCellShowsAreSummarisedByRange) {
    const std::string changed = WithByte(0x0005, 0x5A);
    const CliRun run = Cli("diff " + original + " " + changed);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "bytes 0005-0005 | no cell shows them\n");
}
