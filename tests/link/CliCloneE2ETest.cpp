// orvane-cli radio-info, read and write against orvane-radio-sim: exit
// status 0 on success, else the clone result code. Every run is bounded by
// timeout(1).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "SimProcess.h"
#include "indDocument.h"

TEST(CliCloneE2E, RadioInfoReadAndWriteWithTheirExitStatus) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    const std::string port = "--port '" + sim.Device() + "'";
    const std::string info = ::testing::TempDir() + "cli_info.txt";
    EXPECT_EQ(RunCliBounded("radio-info " + port, info), 0);
    EXPECT_NE(ReadWholeFile(info).find("map revision: 3"), std::string::npos);

    const std::string file = ::testing::TempDir() + "cli_read.clf";
    std::remove(file.c_str());
    EXPECT_EQ(RunCliBounded("read " + port + " --high-speed -o '" + file + "'"), 0);
    indDocument doc;
    doc.Start();
    EXPECT_EQ(doc.OpenFile(file), 0);

    // Without --yes and without a terminal the confirmation is refused.
    EXPECT_EQ(RunCliBounded("write " + port + " '" + file + "' --high-speed"), 1);
    EXPECT_FALSE(sim.WaitForLine("write at", 500));
    EXPECT_EQ(RunCliBounded("write " + port + " '" + file + "' --high-speed --yes"), 0);
    EXPECT_TRUE(sim.WaitForLine("write at 38400 baud", 2000));
}

TEST(CliCloneE2E, FailuresExitWithTheCloneResultCode) {
    EXPECT_EQ(RunCliBounded("radio-info --port /nonexistent/tty"), 2);
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(RunCliBounded("read --port '" + sim.Device() + "' -o /dev/null"), 5);
    EXPECT_EQ(RunCliBounded("read --port '" + sim.Device() + "'"), 64);  // -o missing: usage
}
