// orvane-cli radio-info, read and write against orvane-radio-sim: exit
// status 0 on success, else the clone result code. Every run is bounded by
// timeout(1).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SimProcess.h"
#include "cmcInternalError.h"
#include "indDocument.h"

namespace {

// Runs orvane-cli with arguments (shell words), stdin from /dev/null; its exit status.
int Cli(const std::string& arguments, const std::string& stdoutFile = "/dev/null") {
    const std::string command = "timeout 120 '" + ProgramDirectory() + "orvane-cli' " + arguments +
                                " < /dev/null > '" + stdoutFile + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadText(const std::string& path) {
    std::string text;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            text.append(buffer, n);
        }
        std::fclose(f);
    }
    return text;
}

}  // namespace

TEST(CliCloneE2E, RadioInfoReadAndWriteWithTheirExitStatus) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    const std::string port = "--port '" + sim.Device() + "'";
    const std::string info = ::testing::TempDir() + "cli_info.txt";
    EXPECT_EQ(Cli("radio-info " + port, info), 0);
    EXPECT_NE(ReadText(info).find("map revision: 3"), std::string::npos);

    const std::string file = ::testing::TempDir() + "cli_read.clf";
    std::remove(file.c_str());
    EXPECT_EQ(Cli("read " + port + " --high-speed -o '" + file + "'"), 0);
    indDocument doc;
    doc.Start();
    EXPECT_EQ(doc.OpenFile(file), 0);

    // Without --yes and without a terminal the confirmation is refused.
    EXPECT_EQ(Cli("write " + port + " '" + file + "' --high-speed"), 1);
    EXPECT_FALSE(sim.WaitForLine("write at", 500));
    EXPECT_EQ(Cli("write " + port + " '" + file + "' --high-speed --yes"), 0);
    EXPECT_TRUE(sim.WaitForLine("write at 38400 baud", 2000));
}

TEST(CliCloneE2E, FailuresExitWithTheCloneResultCode) {
    EXPECT_EQ(Cli("radio-info --port /nonexistent/tty"), 2);
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(Cli("read --port '" + sim.Device() + "' -o /dev/null"), 5);
    EXPECT_EQ(Cli("read --port '" + sim.Device() + "'"), 64);  // -o missing: usage
}
