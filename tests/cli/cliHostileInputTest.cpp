// orvane-cli given hostile command lines and CSV files: each is refused with
// one message naming what is wrong, and no output file is written.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "ClfTestSupport.h"
#include "CliRunner.h"

namespace {

class CliHostileInputTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Cli("new --model pmr -o " + file).status, 0); }
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }
    bool Exists(const std::string& path) const {
        struct stat st {};
        return stat(path.c_str(), &st) == 0;
    }
    ScratchDir dir;
    const std::string file = dir.File("new.clf");
    const std::string out = dir.File("out.clf");
};

struct Refusal {
    std::string arguments;  // after "FILE"
    int status;
    std::string message;  // a part of standard error
};

}  // namespace

TEST_F(CliHostileInputTest, CommandLinesAreRefusedNamingTheOption) {
    const std::string bank = " \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank ";
    const std::string edit = " -o " + out + " -s" + bank + "0\"";
    const Refusal cases[] = {
        {edit + " --at 2x,3y --type 1", 1, "--at"},
        {edit + " --at 2,", 1, "--at"},
        {edit + " --item \"CL_Mch_FreqR[abc]\" --type 146.5", 1, "--item"},
        {edit + " --item \"CL_Mch_FreqR[\" --type 146.5", 1, "--item"},
        {edit + " --item \"CL_Mch_FreqR[1]x\" --type 146.5", 1, "--item"},
        {edit + " --item \"CL_Mch_FreqR[0]\" --type 146.52 --item \"CL_Mch_Nar[0]\" --choose xyz",
         1, "--choose"},
        {edit + " --item \"CL_Mch_FreqR[0]\" --type 146.52 --item \"CL_Mch_Nar[0]\" --choose "
                "99999999999",
         1, "--choose"},
        {" -o " + out + " -s" + bank + "16\" --at 3,3 --type 1", 1, "Bank 15"},
        {edit + " --item \"CL_Mch_FreqR[0]\" --type " + std::string(100000, '9'), 1,
         "(100000 bytes)"},
        {" -o " + out + " -s GI_Sheet_CloneInfo,xyz --at 0,0 --type 1", 1, "GI_Sheet_CloneInfo"},
    };
    for (const Refusal& c : cases) {
        const CliRun run = Cli("edit " + file + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.substr(0, 200) << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments.substr(0, 200);
        EXPECT_LT(run.err.size(), 4000u) << c.arguments.substr(0, 200);
        EXPECT_FALSE(Exists(out)) << c.arguments.substr(0, 200);
    }
}

TEST_F(CliHostileInputTest, BankSheetsOutsideTheBanksAreRefusedWithTheValidOnes) {
    for (const char* argument :
         {"Bank 16", "Bank 99", "Bank -1", "Bank x", "Bank 99999999999", "Bank 1x", "Bank"}) {
        const CliRun run =
            Cli("sheet " + file + " \"[St_ChBank]GI_Sheet_Mch_Pmr," + argument + "\"");
        EXPECT_EQ(run.status, 64) << argument;
        EXPECT_NE(run.err.find("[St_ChBank]GI_Sheet_Mch_Pmr,Bank 15"), std::string::npos)
            << argument << "\n"
            << run.err;
        EXPECT_TRUE(run.out.empty()) << argument;
    }
    EXPECT_EQ(Cli("sheet " + file + " \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 15\"").status, 0);
}

// On a full disk, and beyond a file-size limit (ulimit -f), whose signal must not end the program.
TEST_F(CliHostileInputTest, AFailedWriteToStandardOutputFails) {
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit small = {80, unlimited.rlim_max};  // below every output, above the message
    for (const bool limited : {false, true}) {
        for (const char* command : {"export-csv ", "info ", "sheet "}) {
            const std::string extra =
                std::string(command) == "sheet " ? " \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\"" : "";
            const std::string sink = limited ? " >" + dir.File("limited.txt") : " >/dev/full";
            setrlimit(RLIMIT_FSIZE, limited ? &small : &unlimited);
            const CliRun run = Cli(command + file + extra + sink);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            EXPECT_EQ(run.status, 2) << command << sink;
            EXPECT_NE(run.err.find("standard output"), std::string::npos) << command << run.err;
        }
    }
}

TEST_F(CliHostileInputTest, EveryCommandHasHelp) {
    const CliRun usage = Cli("--help");
    ASSERT_EQ(usage.status, 0);
    std::istringstream lines(usage.out);
    int commands = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("  ") && !line.starts_with("   ")) {  // "  NAME SYNOPSIS"
            const std::string name = line.substr(2, line.find(' ', 2) - 2);
            const CliRun help = Cli(name + " --help");
            EXPECT_EQ(help.status, 0) << name << help.err;
            EXPECT_EQ(help.out.find("usage: orvane-cli " + name), 0u) << name << help.out;
            ++commands;
        }
    }
    EXPECT_GE(commands, 10);
}

TEST_F(CliHostileInputTest, AmbiguousOrFloodingCsvIsRefusedBriefly) {
    const std::string header = "bank,position,name,rx_mhz\r\n";
    std::string flood = header;
    for (int row = 0; row < 3000; ++row) {
        flood += "1,1" + std::to_string(row) + ",x,146.5\r\n";  // positions beyond 256
    }
    const struct {
        std::string csv;
        int status;
        std::string message;
    } cases[] = {
        {"bank,position,rx_mhz,RX_MHZ\r\n1,1,146.5,147.5\r\n", 1, "named twice"},
        {header + "1,1,a,146.5,extra\r\n", 1, "5 fields, but the header names 4"},
        {header + "1,1," + std::string(1000000, 'y') + ",146.5\r\n", 1, "(1000000 bytes)"},
        {header + "1,1,\"a\x01"
                  "b\",1465\r\n",
         1, "\\x01"},
        {flood, 1, "more not listed"},
    };
    for (const auto& c : cases) {
        WriteWholeFile(dir.File("in.csv"), c.csv);
        const CliRun run = Cli("import-csv " + file + " " + dir.File("in.csv") + " -o " + out);
        EXPECT_EQ(run.status, c.status) << c.message << "\n" << run.err.substr(0, 2000);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err.substr(0, 2000);
        EXPECT_LT(run.err.size(), 4000u) << c.message;
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 22) << c.message;
        EXPECT_FALSE(Exists(out)) << c.message;
    }
}

TEST_F(CliHostileInputTest, CsvRoundTripOntoTheSourceFileChangesNoByte) {
    for (const char* model : {"lmr", "pmr", "biis"}) {
        const std::string source = dir.File(std::string(model) + ".clf");
        ASSERT_EQ(Cli(std::string("new --model ") + model + " -o " + source).status, 0) << model;
        const CliRun csv = Cli("export-csv " + source + " -o " + dir.File("x.csv"));
        ASSERT_EQ(csv.status, 0) << csv.err;
        const CliRun back = Cli("import-csv " + source + " " + dir.File("x.csv") + " -o " + out);
        ASSERT_EQ(back.status, 0) << back.err;
        EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(source)) << model;
    }
}
