// The clone commands end to end: the document, the clone manager and the
// POSIX serial device on a pseudo-terminal, against orvane-radio-sim, on real
// time. Every run is bounded; every fault must end with its result code, the
// working image as it was and the port closed.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "ChLayout.h"
#include "SavedImage.h"
#include "ScopedOverride.h"
#include "SimProcess.h"
#include "cmcClfFile.h"
#include "cmcEvMan.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcTimerHost.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"

namespace {

constexpr uint32_t CommandLimitMs = 90000;

std::string TempFile(const std::string& name) {
    return OwnTempDir() + "e2e_" + name;
}

// A document with channel 0 in use (145.500 MHz) and a recognisable name area.
void PrepareImage(indDocument& doc) {
    const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
    doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
    for (int i = 0; i < 12; ++i) {
        doc.WorkingImage().SetByte(ChLayout::NameBase + i, static_cast<uint8_t>('A' + i));
    }
}

bool LoadClf(const std::string& path, cmcEeprom& image) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    image.Resize(0x4000);
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(0x2336, 0x0300);
    return in.good() || in.eof() ? file.LoadText(text.str(), nullptr) == 0 : false;
}

struct E2E {
    explicit E2E(const std::vector<std::string>& simArgs, bool highSpeed = false) : sim(simArgs) {
        doc.Start();
        PrepareImage(doc);
        before.Assign(doc.WorkingImage());
        man.SetLinkSettings([this, highSpeed] {
            return indLinkSettings{1, highSpeed, sim.Device()};
        });
        commands = std::make_unique<indCloneCommands>(doc, man);
    }
    ~E2E() { commands.reset(); }
    // Runs a command to its end; the outcome, or -100 when it did not end in time.
    int Run(bool (indCloneCommands::*command)()) {
        if (!((*commands).*command)()) {
            return -99;
        }
        if (!DefaultLoopTimerHost().RunUntil([&] { return !commands->IsRunning(); },
                                             CommandLimitMs)) {
            return -100;
        }
        return commands->LastOutcome();
    }
    bool Unchanged() const { return doc.WorkingImage().IsEqual(before); }
    bool PortClosed() { return !man.Driver().Port().IsOpen() && !man.IsBusy(); }

    SimProcess sim;
    cmcScriptedMessageBox boxes;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &boxes};
    cmcEvMan events{&DefaultLoopTimerHost()};
    ScopedOverride<cmcEvMan> eventsOverride{SetEvMan, &events};
    indDocument doc;
    indCloneMan man;
    std::unique_ptr<indCloneCommands> commands;
    cmcEeprom before;
};

}  // namespace

TEST(CloneE2E, InformationReportsTheRadiosIdentityAndBlock) {
    std::string hex;
    for (int i = 0; i < 38; ++i) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        hex += {kDigits[(i * 7) >> 4 & 15], kDigits[(i * 7) & 15]};
    }
    E2E x({"--map-revision", "2", "--info-hex", hex});
    ASSERT_TRUE(x.sim.Started());
    EXPECT_EQ(x.Run(&indCloneCommands::CloneInfo), 0);
    EXPECT_EQ(x.doc.Radio().mapRevision, 2);
    EXPECT_EQ(x.doc.Radio().cloneInfo[37], (37 * 7) & 0xFF);
    EXPECT_TRUE(x.PortClosed());
}

TEST(CloneE2E, ReadGivesTheImageThatOpeningTheRadiosFileGives) {
    const std::string file = TempFile("read_source.clf");
    {
        indDocument source;
        source.Start();
        PrepareImage(source);
        ASSERT_TRUE(source.SaveToFile(file));
    }
    E2E x({"--image", file}, true);
    ASSERT_TRUE(x.sim.Started());
    EXPECT_EQ(x.Run(&indCloneCommands::CloneRead), 0);
    EXPECT_TRUE(x.sim.WaitForLine("read at 38400 baud", 2000));
    indDocument opened;
    opened.Start();
    ASSERT_EQ(opened.OpenFile(file), 0);
    EXPECT_TRUE(std::equal(opened.WorkingImage().Data(), opened.WorkingImage().Data() + 0x3A00,
                           x.doc.WorkingImage().Data()));
    EXPECT_TRUE(x.doc.IsModified());
    EXPECT_TRUE(x.doc.IsUntitled());
    EXPECT_TRUE(x.PortClosed());
}

TEST(CloneE2E, WriteDeliversTheNormalisedImageOverTheWrittenRanges) {
    const std::string saved = TempFile("write_received.clf");
    std::remove(saved.c_str());
    E2E x({"--save", saved}, true);
    ASSERT_TRUE(x.sim.Started());
    x.boxes.Answer(cmcMbResult::Ok);
    EXPECT_EQ(x.Run(&indCloneCommands::CloneWrite), 0);
    ASSERT_TRUE(x.sim.WaitForLine("saved", 3000));
    cmcEeprom received;
    ASSERT_TRUE(LoadClf(saved, received));
    cmcEeprom expected;
    expected.Assign(x.doc.WorkingImage());
    x.doc.NormalizeImage(expected);
    EXPECT_TRUE(
        std::equal(expected.Data() + 0x80, expected.Data() + 0x3A00, received.Data() + 0x80));
    EXPECT_TRUE(x.sim.HasLine("write at 38400 baud, 920 frames, 14720 bytes, status 0"));
    EXPECT_TRUE(x.Unchanged());
    EXPECT_TRUE(x.PortClosed());
}

struct FaultCase {
    const char* fault;
    bool write;
    int code;
};

class CloneE2EFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CloneE2EFault, EndsWithItsCodeTheImageUnchangedAndThePortClosed) {
    const FaultCase& c = GetParam();
    E2E x({"--fault", c.fault}, c.write);
    ASSERT_TRUE(x.sim.Started());
    x.boxes.Answer(cmcMbResult::Ok);
    const int outcome =
        x.Run(c.write ? &indCloneCommands::CloneWrite : &indCloneCommands::CloneRead);
    EXPECT_EQ(outcome, c.code);
    EXPECT_TRUE(x.Unchanged());
    EXPECT_FALSE(x.doc.IsModified());
    EXPECT_TRUE(x.PortClosed());
    // One error message for a failure, none for success.
    size_t errors = 0;
    for (const cmcScriptedMessageBox::Shown& b : x.boxes.Boxes()) {
        errors += b.icon == cmcMbIcon::Stop ? 1 : 0;
    }
    EXPECT_EQ(errors, c.code == 0 ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CloneE2EFault,
    ::testing::Values(FaultCase{"silent", false, 5}, FaultCase{"bad-checksum=7", false, 6},
                      FaultCase{"lowercase", false, 6}, FaultCase{"stop-early", false, 8},
                      FaultCase{"outside", false, 9}, FaultCase{"short-info", false, 11},
                      FaultCase{"non-bcd", false, 6}, FaultCase{"refuse-write", true, 10},
                      FaultCase{"hangup=12", false, 19}, FaultCase{"hangup=12", true, 17}),
    [](const ::testing::TestParamInfo<FaultCase>& param) {
        std::string name =
            std::string(param.param.fault) + (param.param.write ? "_write" : "_read");
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(CloneE2E, NoiseBetweenFramesDoesNotDisturbARead) {
    E2E x({"--fault", "noise"});
    ASSERT_TRUE(x.sim.Started());
    EXPECT_EQ(x.Run(&indCloneCommands::CloneRead), 0);
    EXPECT_TRUE(x.doc.IsModified());
    EXPECT_TRUE(x.PortClosed());
}

TEST(CloneE2E, ACorruptedStoreShowsInTheNextRead) {
    E2E x({"--fault", "corrupt-store"}, true);
    ASSERT_TRUE(x.sim.Started());
    x.boxes.Answer(cmcMbResult::Ok);
    ASSERT_EQ(x.Run(&indCloneCommands::CloneWrite), 0);
    cmcEeprom written;
    written.Assign(x.doc.WorkingImage());
    x.doc.NormalizeImage(written);
    ASSERT_EQ(x.Run(&indCloneCommands::CloneRead), 0);
    int differing = 0;
    for (int a = 0x80; a < 0x3A00; ++a) {
        differing += written.GetByte(a) != x.doc.WorkingImage().GetByte(a) ? 1 : 0;
    }
    EXPECT_EQ(differing, 1);
    EXPECT_TRUE(x.sim.WaitForLine("corrupted the byte at", 2000));
}
