// orvane-cli write --verify and --backup DIR against orvane-radio-sim over a
// pseudo-terminal. Every run is bounded by timeout(1).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ChLayout.h"
#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "SimImageFile.h"
#include "SimProcess.h"
#include "indDocument.h"

namespace {

// A clone file of a new image with channel 0 in use at 145.500 MHz: unlike the
// simulator's own image, so that a write changes the radio.
std::string FileToWrite(const ScratchDir& scratch) {
    const std::string path = scratch.File("to-write.clf");
    indDocument doc;
    doc.Start();
    const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
    doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
    EXPECT_TRUE(doc.SaveToFile(path));
    return path;
}

std::vector<std::string> BackupFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The index of the first line of the simulator beginning with prefix, from `from` on; -1 when none.
int LineIndex(const std::vector<std::string>& lines, const std::string& prefix, int from = 0) {
    for (int i = from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<size_t>(i)].rfind(prefix, 0) == 0) {
            return i;
        }
    }
    return -1;
}

struct CliVerifiedWrite : ::testing::Test {
    int Write(SimProcess& sim, const std::string& options) {
        return RunCliBounded("write --port '" + sim.Device() + "' '" + file + "' --yes " + options,
                             scratch.File("out.txt"), scratch.File("err.txt"));
    }
    std::string Out() const { return ReadWholeFile(scratch.File("out.txt")); }
    std::string Err() const { return ReadWholeFile(scratch.File("err.txt")); }

    ScratchDir scratch;
    ScratchDir folder;
    std::string file = FileToWrite(scratch);
};

}  // namespace

TEST_F(CliVerifiedWrite, VerifyReadsTheRadioBackAfterTheWriteAndSucceedsOnAHealthyRadio) {
    SimProcess sim({});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(Write(sim, "--high-speed --verify"), 0) << Err();
    EXPECT_NE(Out().find("verified"), std::string::npos);
    ASSERT_TRUE(sim.WaitForLine("read at 38400 baud", 2000));
    const std::vector<std::string>& lines = sim.Lines();
    const int written = LineIndex(lines, "write at 38400 baud");
    ASSERT_GE(written, 0);
    EXPECT_GT(LineIndex(lines, "read at", written), written);
}

TEST_F(CliVerifiedWrite, VerifyFailsWithTheAddressWhenTheRadioStoresAByteWrong) {
    SimProcess sim({"--fault", "corrupt-store"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(Write(sim, "--high-speed --verify"), 40);
    EXPECT_TRUE(sim.WaitForLine("corrupted the byte at 0110", 2000));
    EXPECT_NE(Err().find("verification failed: 1 byte(s)"), std::string::npos) << Err();
    EXPECT_NE(Err().find("at address 0110"), std::string::npos) << Err();
}

TEST_F(CliVerifiedWrite, TheBackupHoldsTheRadiosImageFromBeforeEachWrite) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    cmcEeprom original;
    DefaultSimImage(original, 3);

    EXPECT_EQ(Write(sim, "--high-speed --backup '" + folder.Path() + "'"), 0) << Err();
    std::vector<std::string> backups = BackupFiles(folder.Path());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_NE(Out().find("backup: " + backups[0]), std::string::npos) << Out();
    EXPECT_EQ(backups[0].rfind(folder.File("radio-backup-"), 0), 0u) << backups[0];
    cmcEeprom first;
    std::string error;
    ASSERT_TRUE(LoadSimImage(backups[0], first, error)) << error;
    EXPECT_TRUE(
        std::equal(original.Data(), original.Data() + MemoryMap::LongMapEnd + 1, first.Data()));
    const std::string firstText = ReadWholeFile(backups[0]);

    // A second backup, within the same second or not, is a new file and holds the written image.
    EXPECT_EQ(Write(sim, "--high-speed --backup '" + folder.Path() + "'"), 0) << Err();
    backups = BackupFiles(folder.Path());
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(ReadWholeFile(backups[0]), firstText);
    EXPECT_NE(ReadWholeFile(backups[1]), firstText);
}

TEST_F(CliVerifiedWrite, NothingIsWrittenWhenNoBackupCanBeSaved) {
    SimProcess sim({});
    ASSERT_TRUE(sim.Started());
    WriteWholeFile(folder.File("plain"), "not a folder");
    for (const std::string& bad : {folder.File("missing"), folder.File("plain")}) {
        EXPECT_EQ(Write(sim, "--backup '" + bad + "'"), 41) << bad;
        EXPECT_NE(Err().find("nothing was written to the radio"), std::string::npos) << Err();
    }
    EXPECT_EQ(Write(sim, "--backup"), 64);  // the folder missing: usage
    EXPECT_TRUE(sim.Lines(300).empty());    // the radio was not even asked

    // A read that fails leaves no backup file and no write either.
    SimProcess shortRead({"--fault", "stop-early"});
    ASSERT_TRUE(shortRead.Started());
    EXPECT_EQ(Write(shortRead, "--backup '" + folder.Path() + "'"), 41);
    EXPECT_TRUE(shortRead.WaitForLine("read at", 2000));
    EXPECT_FALSE(shortRead.WaitForLine("write at", 500));
    EXPECT_EQ(BackupFiles(folder.Path()), std::vector<std::string>{folder.File("plain")});
}
