#include <gtest/gtest.h>

#include "ChLayout.h"
#include "CloneErrors.h"
#include "CloneFrames.h"
#include "CommandFixture.h"
#include "MapConversion.h"
#include "cmcGTex.h"

namespace {

struct Commands : ::testing::Test, CommandFixture {};

struct CommandsShortInfo : ::testing::Test, CommandFixture {
    CommandsShortInfo() : CommandFixture(SimWithFault("short-info")) {}
};

struct CommandsOldRadio : ::testing::Test, CommandFixture {
    CommandsOldRadio() : CommandFixture(SimOnDouble::DefaultConfig(1)) {}
};

std::string Lines(const char* name) {
    return GTex().GetLines(name);
}

}  // namespace

TEST_F(Commands, CloneReadReplacesTheWorkingImageAndLeavesItUntitledAndModified) {
    ASSERT_TRUE(commands->CloneRead());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{0});
    EXPECT_EQ(Requests(CloneFrame::InfoRequest), 1);
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_EQ(sheetsClosed, 1);
    EXPECT_TRUE(doc.HasRadioIdentity());
    // The image came from the radio: a byte outside the template-owned areas.
    EXPECT_EQ(doc.WorkingImage().GetByte(0x2100), sim->Radio().Image().GetByte(0x2100));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CommandsShortInfo, A37ByteInformationAnswerEndsWith11AndTouchesNothing) {
    cmcEeprom before;
    before.Assign(doc.WorkingImage());
    ASSERT_TRUE(commands->CloneRead());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{CodeNumber(CloneResult::WrongRadio)});
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 0);
    EXPECT_TRUE(doc.WorkingImage().IsEqual(before));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{CloneErrors::CloneErrorText(11, 1, "/dev/ttyTEST0")});
}

TEST_F(Commands, CloneReadAsksAboutUnsavedChangesAndCancelStopsIt) {
    doc.WorkingImage().SetByte(0x2100, 0x55);
    doc.CheckModified();
    boxes.Answer(cmcMbResult::Cancel);
    EXPECT_FALSE(commands->CloneRead());
    EXPECT_TRUE(device->written.empty());
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(Commands, ACheckListErrorExchangesInformationButNeverRequestsAWrite) {
    UseChannel0();
    commands->SetWarningCheck([] { return indCheckCounts{1, 0}; });
    boxes.Answer(cmcMbResult::Ok);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{indCloneCommands::NotCompleted});
    EXPECT_EQ(Requests(CloneFrame::InfoRequest), 1);
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Lines("GI_Mess_DataError")});
    EXPECT_EQ(boxes.Boxes()[0].icon, cmcMbIcon::Stop);
}

TEST_F(Commands, CloneWriteAsksTheRadioTwiceThenWritesFromAddress0080) {
    UseChannel0();
    commands->SetWarningCheck([] { return indCheckCounts{0, 3}; });  // warnings do not stop it
    boxes.Answer(cmcMbResult::Ok);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{0});
    EXPECT_EQ(Requests(CloneFrame::InfoRequest), 2);
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Lines("GI_Mess_Confirm_CloneWrite"),
                                                    Lines("GI_Mess_CloneWrite_Succeeded")}));
    EXPECT_EQ(boxes.Boxes()[1].icon, cmcMbIcon::Information);
    const std::vector<AddressRange> written = sim->Radio().WrittenRanges();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].start, 0x0080);
    EXPECT_EQ(written[0].end, 0x39FF);
    // What was sent is the working image normalised.
    cmcEeprom expected;
    expected.Assign(doc.WorkingImage());
    doc.NormalizeImage(expected);
    EXPECT_TRUE(std::equal(expected.Data() + 0x80, expected.Data() + 0x3A00,
                           sim->Radio().Written().Data() + 0x80));
    EXPECT_EQ(sheetsClosed, 1);
}

TEST_F(CommandsOldRadio, ARadioOfMapRevision1GetsBcdFrequenciesAndTheImageKeepsItsOwn) {
    UseChannel0();
    cmcEeprom before;
    before.Assign(doc.WorkingImage());
    boxes.Answer(cmcMbResult::Ok);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{0});
    const std::vector<AddressRange> written = sim->Radio().WrittenRanges();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].end, 0x2FFF);  // the short map
    const int channel = ChLayout::ChannelAddress(0);
    const uint8_t* sent = sim->Radio().Written().Data() + channel;
    // 145.500 MHz as the six BCD digits 145500 of kHz, twice.
    EXPECT_EQ(std::vector<uint8_t>(sent, sent + 6),
              (std::vector<uint8_t>{0x14, 0x55, 0x00, 0x14, 0x55, 0x00}));
    EXPECT_EQ(MapConversion::OldBcdToHz(sent), 145500000);
    EXPECT_TRUE(doc.WorkingImage().IsEqual(before));
    EXPECT_EQ(doc.WorkingImage().GetByte(channel + 1), 0x8D);
}

TEST_F(Commands, CancellingTheConfirmationLeavesTheWorkingImageByteForByte) {
    UseChannel0();
    doc.WorkingImage().SetByte(0x0140, 0x07);  // a comment byte that normalisation would change
    cmcEeprom before;
    before.Assign(doc.WorkingImage());
    boxes.Answer(cmcMbResult::Cancel);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{indCloneCommands::NotCompleted});
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 0);
    EXPECT_TRUE(doc.WorkingImage().IsEqual(before));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Lines("GI_Mess_Confirm_CloneWrite")});
}

TEST_F(Commands, WithoutAChannelInUseNothingIsWritten) {
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Lines("GI_AppMess_CloneErr_NoActualCh")});
}

TEST_F(CommandsOldRadio, BiisPmrDataAreRefusedForARadioWithoutTheLongMap) {
    ASSERT_TRUE(doc.ChangeModelType(ModelBiisPmr, false));
    UseChannel0();
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(Requests(CloneFrame::InfoRequest), 1);
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Lines("GI_Mess_CloneErr2379_Head")});
}

TEST_F(CommandsOldRadio, MakerModeWritesFromAddress0WithTheRadiosMapRevisionInByte2) {
    doc.EnableMakerMode();
    UseChannel0();
    boxes.Answer(cmcMbResult::Ok);
    boxes.Answer(cmcMbResult::Ok);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{0});
    ASSERT_GE(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, Lines("GI_Mess_Maker_Caution"));
    EXPECT_EQ(boxes.Boxes()[1].text, Lines("GI_Mess_Confirm_CloneWrite"));
    const std::vector<AddressRange> written = sim->Radio().WrittenRanges();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].start, 0);
    EXPECT_EQ(sim->Radio().Written().GetByte(2), 1);
    EXPECT_EQ(doc.WorkingImage().GetByte(2), 3);
}

TEST_F(Commands, HighSpeedRunsBothInformationExchangesAt9600AndTheWriteAt38400) {
    link.speedHigh = true;
    UseChannel0();
    boxes.Answer(cmcMbResult::Ok);
    ASSERT_TRUE(commands->CloneWrite());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(outcomes, std::vector<int>{0});
    std::vector<int> exchangeBauds;  // every second open is the exchange itself
    for (size_t i = 1; i < device->configured.size(); i += 2) {
        exchangeBauds.push_back(device->configured[i].baud);
    }
    EXPECT_EQ(exchangeBauds, (std::vector<int>{9600, 9600, 38400}));
}

TEST_F(Commands, CloneInformationOpensTheWindowOnlyOnSuccess) {
    ASSERT_TRUE(commands->CloneInfo());
    EXPECT_FALSE(commands->CloneInfo());  // busy
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(infoWindows, 1);
    EXPECT_EQ(doc.Radio().mapRevision, 3);
    EXPECT_EQ(doc.Radio().cloneInfo[34], 0x40);
}

TEST_F(CommandsShortInfo, CloneInformationWithAWrongAnswerOpensNoWindow) {
    ASSERT_TRUE(commands->CloneInfo());
    ASSERT_TRUE(RunCommand());
    EXPECT_EQ(infoWindows, 0);
    EXPECT_FALSE(doc.HasRadioIdentity());
    EXPECT_EQ(outcomes, std::vector<int>{CodeNumber(CloneResult::WrongRadio)});
}
