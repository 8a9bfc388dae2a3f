// Clone Read and Clone Write chosen from the menu, against orvane-radio-sim on
// a pseudo-terminal, in real time: the window is disabled during the exchange,
// the progress window shows, and the document follows.

#include <gtest/gtest.h>

#include "ChLayout.h"
#include "ClfTestSupport.h"
#include "MainTestSupport.h"
#include "ScopedOverride.h"
#include "SimImageFile.h"
#include "SimProcess.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "indEnviron.h"
#include "indMain.h"

namespace {

constexpr uint32_t CommandLimitMs = 90000;
constexpr int Mark = 0x00E2;

struct MenuClone {
    explicit MenuClone(const std::vector<std::string>& simArgs) : sim(simArgs) {
        store.SetComDevice(sim.Device());
        main.Start();
    }
    // Chooses the menu entry and runs the exchanges; the outcome, or -100 when they did not end.
    int Choose(const std::string& item) {
        cmcCellObj cell = CommandCell(item);
        main.ClickCell(cell);
        if (!DefaultLoopTimerHost().RunUntil([&] { return !main.Clone().IsRunning(); },
                                             CommandLimitMs)) {
            return -100;
        }
        return main.Clone().LastOutcome();
    }

    SimProcess sim;
    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &box};
    cmcEvMan events{&DefaultLoopTimerHost()};
    ScopedOverride<cmcEvMan> eventsOverride{SetEvMan, &events};
    cmcMemorySettings settings;
    indEnviron store{&settings, nullptr};
    RecordingView view;
    indMain main{store, GTex(), view};
};

}  // namespace

TEST(MenuCloneE2E, ReadReplacesTheImageAndLeavesItUntitledAndModified) {
    ScratchDir dir;
    const std::string file = dir.File("radio.clf");
    {
        cmcMemorySettings settings;
        indEnviron store{&settings, nullptr};
        indDocument source(&store);
        source.Start();
        source.WorkingImage().SetByte(Mark, 0x6B);
        ASSERT_TRUE(source.SaveToFile(file));
    }
    MenuClone x({"--image", file});
    ASSERT_TRUE(x.sim.Started());
    EXPECT_EQ(x.Choose("CL_Menu_Clone_Read"), 0);
    EXPECT_EQ(x.main.Document().WorkingImage().GetByte(Mark), 0x6B);
    EXPECT_TRUE(x.main.Document().IsModified());
    EXPECT_TRUE(x.main.Document().IsUntitled());
    EXPECT_GE(x.view.disabledTimes, 1);
    EXPECT_TRUE(x.view.enabled);
    EXPECT_GE(x.view.progressShown, 1);
}

TEST(MenuCloneE2E, WriteSendsTheImageAfterTheConfirmation) {
    ScratchDir dir;
    const std::string received = dir.File("received.clf");
    MenuClone x({"--save", received});
    ASSERT_TRUE(x.sim.Started());
    // A radio needs one channel in use (145.500 MHz on channel 0) to be written.
    const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
    x.main.Document().WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
    x.main.Document().WorkingImage().SetByte(Mark, 0x3C);
    x.box.Answer(cmcMbResult::Ok);
    EXPECT_EQ(x.Choose("CL_Menu_Clone_Write"), 0);
    ASSERT_TRUE(x.sim.WaitForLine("saved", 3000));
    // What the radio received: the ranges of a normal write, from 0x0080.
    cmcEeprom stored;
    std::string error;
    ASSERT_TRUE(LoadSimImage(received, stored, error)) << error;
    EXPECT_EQ(stored.GetByte(Mark), 0x3C);
    EXPECT_EQ(x.box.Boxes().back().text, GTex().GetLines("GI_Mess_CloneWrite_Succeeded"));
    EXPECT_TRUE(x.view.enabled);
}

// Clone > Write with "Verify after writing" and "Back up the radio first": a
// backup lands in the user's data folder, and a radio that stores other bytes
// than it was sent is reported with the differing addresses.
namespace {

void SafeguardedWrite(const std::vector<std::string>& simArgs, const std::string& says) {
    ScratchDir data;
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string kept = previous != nullptr ? previous : "";
    setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
    {
        MenuClone x(simArgs);
        ASSERT_TRUE(x.sim.Started());
        const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
        x.main.Document().WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
        for (const char* option : {"CL_Menu_Clone_Verify", "CL_Menu_Clone_Backup"}) {
            cmcCellObj cell = CommandCell(option);
            x.main.ClickCell(cell);
        }
        EXPECT_TRUE(x.store.VerifyAfterWrite() && x.store.BackupBeforeWrite());
        x.box.Answer(cmcMbResult::Ok);  // the write's confirmation
        cmcCellObj write = CommandCell("CL_Menu_Clone_Write");
        x.main.ClickCell(write);
        const auto said = [&] {
            return !x.box.Boxes().empty() &&
                   x.box.Boxes().back().text.find(says) != std::string::npos;
        };
        ASSERT_TRUE(DefaultLoopTimerHost().RunUntil(said, CommandLimitMs));
        EXPECT_NE(x.box.Boxes().back().text.find(data.Path() + "/Orvane/backups/radio-backup-"),
                  std::string::npos)
            << x.box.Boxes().back().text;
    }
    if (previous != nullptr) {
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace

TEST(MenuCloneE2E, SafeguardedWriteBacksUpAndVerifies) {
    SafeguardedWrite({}, "Verified: the radio holds what was sent.");
}

TEST(MenuCloneE2E, SafeguardedWriteNamesTheAddressesARadioStoredWrongly) {
    SafeguardedWrite({"--fault", "corrupt-store"}, "in the radio differ from what was sent, at ");
}
