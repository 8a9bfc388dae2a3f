// orvane-cli radio-info, read and write against orvane-radio-sim: exit
// status 0 on success, else 20 + the clone result code. Every run is bounded by
// timeout(1).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "ModelType.h"
#include "SavedImage.h"
#include "SimProcess.h"
#include "cmcEeprom.h"
#include "indDocument.h"

namespace {

void SetWord(cmcEeprom& image, int address, int value) {
    const uint8_t bytes[] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    image.WriteBlock(address, bytes, 2);
}

}  // namespace

TEST(CliCloneE2E, RadioInfoReadAndWriteWithTheirExitStatus) {
    // A radio holding a valid image, so that the warning check list lets it be written back.
    const std::string held = SavedImage(ModelPmr, "cli_held.clf", [](cmcEeprom&) {});
    SimProcess sim({"--map-revision", "3", "--image", held});
    ASSERT_TRUE(sim.Started());
    const std::string port = "--port '" + sim.Device() + "'";
    const std::string info = OwnTempDir() + "cli_info.txt";
    EXPECT_EQ(RunCliBounded("radio-info " + port, info), 0);
    EXPECT_NE(ReadWholeFile(info).find("map revision: 3"), std::string::npos);

    const std::string file = OwnTempDir() + "cli_read.clf";
    std::remove(file.c_str());
    EXPECT_EQ(RunCliBounded("read " + port + " --high-speed -o '" + file + "'"), 0);
    indDocument doc;
    doc.Start();
    EXPECT_EQ(doc.OpenFile(file), 0);

    // Without --yes and without a terminal the confirmation is refused.
    EXPECT_EQ(RunCliBounded("write " + port + " '" + file + "' --high-speed"), 1);
    EXPECT_FALSE(sim.WaitForLine("write at", 500));
    const std::string err = OwnTempDir() + "cli_write_err.txt";
    EXPECT_EQ(
        RunCliBounded("write " + port + " '" + file + "' --high-speed --yes", "/dev/null", err), 0);
    EXPECT_TRUE(sim.WaitForLine("write at 38400 baud", 2000));
    EXPECT_NE(ReadWholeFile(err).find("Continue?\nok (--yes)\n"), std::string::npos)
        << ReadWholeFile(err);
}

TEST(CliCloneE2E, FailuresExitWithTwentyPlusTheCloneResultCode) {
    EXPECT_EQ(RunCliBounded("radio-info --port /nonexistent/tty"), 22);
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.Started());
    const std::string file = OwnTempDir() + "cli_silent.clf";
    EXPECT_EQ(RunCliBounded("read --port '" + sim.Device() + "' -o '" + file + "'"), 25);
    EXPECT_EQ(RunCliBounded("read --port '" + sim.Device() + "'"), 64);  // -o missing: usage
}

// An image whose warning check list finds an error is not written: the
// information is exchanged, but no write request reaches the radio.
TEST(CliCloneE2E, AnErrorInTheCheckListStopsTheWrite) {
    const std::string path = SavedImage(ModelBiisPmr, "cli_killer.clf", [](cmcEeprom& image) {
        SetWord(image, 0x34E0, 2000);          // individual addresses 0..1999
        SetWord(image, 0x34E4, 2000);          // killer address 2000: outside them
        SetWord(image, 0x3504 + 9 * 3, 2100);  // keeps own-ID group 3 in its range
    });
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(RunCliBounded("write --port '" + sim.Device() + "' '" + path + "' --yes"), 1);
    EXPECT_FALSE(sim.WaitForLine("write at", 500));
}
