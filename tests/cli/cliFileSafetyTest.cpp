// orvane-cli against hostile files: an output that names an input is refused
// before anything runs, a write cut short leaves the old file as it was, and
// inputs that are not regular files or are far too large end at once with a
// message naming them.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ClfTestSupport.h"
#include "CliRunner.h"
#include "cmcInputFile.h"
#include "cmcInternalErrorBox.h"

namespace {

namespace fs = std::filesystem;

class CliFileSafetyTest : public ::testing::Test {
  protected:
    CliFileSafetyTest() {
        EXPECT_EQ(Cli("new --model pmr -o " + clf).status, 0);
        std::string text = "bank,position,name,rx_mhz\r\n";
        for (int row = 1; row <= 40; ++row) {
            text += "1," + std::to_string(row) + ",Channel " + std::to_string(row) + ",446.1\r\n";
        }
        WriteWholeFile(csv, text);
        EXPECT_EQ(Cli("import-csv " + clf + " " + csv + " -o " + filled).status, 0);
    }
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }

    ScratchDir dir;
    const std::string clf = dir.File("a.clf");
    const std::string csv = dir.File("in.csv");
    const std::string filled = dir.File("filled.clf");
};

TEST_F(CliFileSafetyTest, AnOutputNamingAnInputIsRefusedAndTheInputKept) {
    fs::create_symlink(clf, dir.File("link.clf"));
    const std::string other = dir.File("sub/../a.clf");
    fs::create_directory(dir.File("sub"));
    const struct {
        std::string arguments;
        std::string kept;
    } cases[] = {
        {"export-csv " + clf + " -o " + clf, clf},
        {"export-csv " + clf + " -o " + dir.File("link.clf"), clf},
        {"import-csv " + clf + " " + csv + " -o " + csv, csv},
        {"import-csv " + clf + " " + csv + " -o " + other, clf},
        {"edit " + clf + " -o " + other +
             " -s \"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\" --at 0,0 --type x",
         clf},
    };
    for (const auto& c : cases) {
        const std::string before = ReadWholeFile(c.kept);
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 64) << c.arguments;
        EXPECT_NE(run.err.find("is the input"), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(c.kept), before) << c.arguments;
    }
    EXPECT_TRUE(fs::is_symlink(dir.File("link.clf")));
}

// As on a full disk: files may grow to 1000 bytes only while the export runs.
TEST_F(CliFileSafetyTest, AnExportCutShortLeavesTheOldCsvByteIdentical) {
    const std::string old = dir.File("old.csv");
    WriteWholeFile(old, "the user's previous export\r\n");
    const std::string errors = dir.File("limited.txt");
    const pid_t child = fork();
    if (child == 0) {
        const struct rlimit small = {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &small);
        if (freopen(errors.c_str(), "w", stderr) != nullptr) {
            const std::string program = ProgramDirectory() + "orvane-cli";
            execl(program.c_str(), program.c_str(), "export-csv", filled.c_str(), "-o", old.c_str(),
                  static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(ReadWholeFile(errors).find(old), std::string::npos) << ReadWholeFile(errors);
    EXPECT_EQ(ReadWholeFile(old), "the user's previous export\r\n");
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".old.csv.tmp"), std::string::npos);
    }
    EXPECT_GT(Cli("export-csv " + filled).out.size(), 1000u);  // the limit did cut the export
}

TEST_F(CliFileSafetyTest, InputsThatAreNoRegularFileOrFarTooLargeEndAtOnce) {
    const std::string fifo = dir.File("fifo"), big = dir.File("big.csv"),
                      garbage = dir.File("garbage.clf"), out = dir.File("out.clf");
    mkfifo(fifo.c_str(), 0600);
    WriteWholeFile(big, "");
    fs::resize_file(big, kMaxCsvFileBytes + 1);
    WriteWholeFile(garbage, "23360300\r\n#\r\nnot a data line\r\n");
    const struct {
        std::string arguments;
        int status;
        std::string message;  // a part of standard error
    } cases[] = {
        {"import-csv " + clf + " /dev/zero -o " + out, 2, "/dev/zero"},
        {"import-csv " + clf + " " + fifo + " -o " + out, 2, fifo},
        {"import-csv " + clf + " " + big + " -o " + out, 2, std::to_string(kMaxCsvFileBytes + 1)},
        {"info " + fifo, 11, fifo},
        {"info /dev/zero", 11, "/dev/zero"},
        {"diff " + clf + " " + garbage, 16, garbage + ", line 3"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
        EXPECT_FALSE(fs::exists(out)) << c.arguments;
    }
}

}  // namespace
