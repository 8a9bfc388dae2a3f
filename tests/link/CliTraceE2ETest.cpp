// orvane-cli --trace against orvane-radio-sim, and the device explanations on stderr.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "SavedImage.h"
#include "SimProcess.h"
#include "Trace.h"

TEST(CliTraceE2E, RadioInfoWritesTheExchangeToTheTraceFile) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    const std::string trace = OwnTempDir() + "cli_trace.txt";
    std::remove(trace.c_str());
    EXPECT_EQ(RunCliBounded("radio-info --port '" + sim.Device() + "' --trace '" + trace + "'"), 0);
    const std::string text = ReadWholeFile(trace);
    EXPECT_EQ(text.rfind(std::string(Trace::TraceHeader) + "\n", 0), 0u) << text;
    const char* inOrder[] = {"38400,N,8,1",
                             " TX  38400 speed-change ",
                             "9600,N,8,1",
                             " TX   9600 info-request ",
                             " RX   9600 information ",
                             "# "};
    std::string::size_type at = 0;
    for (const char* part : inOrder) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << "\n" << text;
    }
}

TEST(CliTraceE2E, AnUnwritableTraceFileStopsTheCommandBeforeTheRadio) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    const std::string err = OwnTempDir() + "cli_trace_err.txt";
    const std::string file = OwnTempDir() + "cli_trace_read.clf";
    EXPECT_EQ(RunCliBounded("read --port '" + sim.Device() +
                                "' --trace /nonexistent/dir/t.txt -o '" + file + "'",
                            "/dev/null", err),
              2);
    EXPECT_NE(ReadWholeFile(err).find("trace file /nonexistent/dir/t.txt cannot be written"),
              std::string::npos);
    for (const char* command : {"radio-info --port X --trace ''", "write --port X f --trace ''"}) {
        EXPECT_EQ(RunCliBounded(command), 64) << command;
    }
    // A trace that would overwrite the clone file to be written is refused; the file stays.
    const std::string clf = OwnTempDir() + "cli_trace_input.clf";
    WriteWholeFile(clf, "kept");
    EXPECT_EQ(RunCliBounded("write --port '" + sim.Device() + "' '" + clf + "' --yes --trace '" +
                            clf + "'"),
              64);
    EXPECT_EQ(ReadWholeFile(clf), "kept");
    EXPECT_FALSE(sim.WaitForLine("info at", 300));
}

TEST(CliTraceE2E, AMissingDeviceAndOneGoneMidwayAreExplained) {
    const std::string err = OwnTempDir() + "cli_missing_err.txt";
    EXPECT_EQ(RunCliBounded("radio-info --port /nonexistent/ttyUSB7", "/dev/null", err), 22);
    EXPECT_NE(ReadWholeFile(err).find("/nonexistent/ttyUSB7 does not exist"), std::string::npos)
        << ReadWholeFile(err);

    // The simulator closes its end of the pseudo-terminal in the middle of the read.
    SimProcess sim({"--fault", "hangup=40"});
    ASSERT_TRUE(sim.Started());
    const std::string trace = OwnTempDir() + "cli_hangup_trace.txt";
    const std::string file = OwnTempDir() + "cli_hangup.clf";
    EXPECT_EQ(RunCliBounded(
                  "read --port '" + sim.Device() + "' --trace '" + trace + "' -o '" + file + "'",
                  "/dev/null", err),
              39);
    EXPECT_NE(ReadWholeFile(err).find(sim.Device() + " went away during the transfer"),
              std::string::npos)
        << ReadWholeFile(err);
    EXPECT_NE(ReadWholeFile(trace).find("read failed: Input/output error"), std::string::npos);
}
