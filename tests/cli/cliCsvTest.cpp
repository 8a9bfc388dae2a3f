// orvane-cli export-csv and import-csv as a user runs them.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "ClfTestSupport.h"
#include "CliRunner.h"

namespace {

class CliCsvTest : public ::testing::Test {
  protected:
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }
    bool Exists(const std::string& path) const {
        struct stat st {};
        return stat(path.c_str(), &st) == 0;
    }
    ScratchDir dir;
};

}  // namespace

TEST_F(CliCsvTest, ImportThenExportGivesTheSpreadsheetsChannels) {
    const std::string file = dir.File("new.clf"), csv = dir.File("in.csv"),
                      out = dir.File("out.clf");
    ASSERT_EQ(Cli("new --model lmr -o " + file).status, 0);
    WriteWholeFile(csv, "\xEF\xBB\xBFname,bank,position,rx_mhz\r\n\"Depot, east\",1,1,151.25\r\n");
    const CliRun import = Cli("import-csv " + file + " " + csv + " -o " + out);
    ASSERT_EQ(import.status, 0) << import.err;
    const CliRun exported = Cli("export-csv " + out);
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out.substr(0, exported.out.find('\n') + 1)
                  .find("bank,position,name,rx_mhz,tx_mhz"),
              0u);
    EXPECT_NE(exported.out.find("1,1,\"Depot, east\",151.250000,151.250000,"), std::string::npos);
    EXPECT_EQ(Cli("export-csv " + out + " -o " + dir.File("x.csv")).status, 0);
    EXPECT_EQ(ReadWholeFile(dir.File("x.csv")), exported.out);
}

TEST_F(CliCsvTest, ABadFrequencyOnLine7FailsAndWritesNothing) {
    const std::string file = dir.File("new.clf"), csv = dir.File("in.csv"),
                      out = dir.File("out.clf");
    ASSERT_EQ(Cli("new --model pmr -o " + file).status, 0);
    std::string text = "bank,position,rx_mhz\r\n";
    for (int line = 2; line <= 8; ++line) {
        text += "1," + std::to_string(line - 1) + (line == 7 ? ",446.0001\r\n" : ",446.1\r\n");
    }
    WriteWholeFile(csv, text);
    const CliRun run = Cli("import-csv " + file + " " + csv + " -o " + out);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 7, column rx_mhz"), std::string::npos) << run.err;
    EXPECT_FALSE(Exists(out));
}
