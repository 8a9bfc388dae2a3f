// orvane-cli check run as a program: counts, flagged sheets and exit status.

#include <gtest/gtest.h>

#include "ClfResult.h"
#include "ClfTestSupport.h"
#include "CliRunner.h"
#include "MemoryMap.h"
#include "cmcClfFile.h"
#include "datCh.h"
#include "indDocument.h"

namespace {

class CheckCommandTest : public ::testing::Test {
  protected:
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }

    // The template of a model type with changes, saved as a clone file.
    std::string Saved(int model, const std::string& name, void (*change)(cmcEeprom&)) const {
        cmcEeprom image;
        image.Resize(MemoryMap::ImageSize);
        EXPECT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(model), image), ClfOk);
        change(image);
        cmcClfFile file;
        file.AttachTarget(&image);
        file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
        const std::string path = dir.File(name);
        WriteWholeFile(path, file.FormatText({{0, MemoryMap::LongMapEnd}}));
        return path;
    }

    ScratchDir dir;
};

void SetWord(cmcEeprom& image, int address, int value) {
    image.SetByte(address, static_cast<uint8_t>(value >> 8));
    image.SetByte(address + 1, static_cast<uint8_t>(value));
}

TEST_F(CheckCommandTest, NewFilesOfEveryModelHaveNothingToReport) {
    for (const char* model : {"lmr", "pmr", "biis"}) {
        const std::string path = dir.File(std::string(model) + ".clf");
        ASSERT_EQ(Cli(std::string("new --model ") + model + " -o " + path).status, 0);
        const CliRun check = Cli("check " + path);
        EXPECT_EQ(check.status, 0) << model;
        EXPECT_EQ(check.out, "errors: 0\nwarnings: 0\n") << model;
    }
}

TEST_F(CheckCommandTest, KillerOutsideTheIndividualRangeFailsTheCheck) {
    const std::string path = Saved(ModelBiisPmr, "killer.clf", [](cmcEeprom& image) {
        SetWord(image, 0x34E0, 2000);  // individual addresses 0..1999
        SetWord(image, 0x34E4, 2000);
        SetWord(image, 0x3504 + 9 * 3, 2100);  // keeps the own-ID groups in their range
    });
    const CliRun check = Cli("check " + path);
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "errors: 1\nwarnings: 0\nerror: GI_Sheet_Msk_AdrRange\n");
}

TEST_F(CheckCommandTest, WarningsAloneDoNotFailTheCheck) {
    const std::string path = Saved(ModelPmr, "tones.clf", [](cmcEeprom& image) {
        SetWord(image, 0x017E + 4 * 6, 1500);  // user tone 7: decode high below low
        SetWord(image, 0x0180 + 4 * 6, 1400);
    });
    const CliRun check = Cli("check " + path);
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "errors: 0\nwarnings: 1\nwarning: GI_Sheet_UserTone\n");
}

TEST_F(CheckCommandTest, BiisChannelErrorsNameTheirBankSheet) {
    const std::string path = Saved(ModelBiisPmr, "channels.clf", [](cmcEeprom& image) {
        datCh ch(&image);
        ch.Decode(KindMchBiisPmr, 5);  // the second channel of bank 1
        ch.SetUsed(true);
        ch.SetRxFreq(446006250);
        ch.Set(datField::Biis, 1);
        ch.Set(datField::SelectiveCall, 0);
        ch.Set(datField::ChannelMute, 1);
        ch.Set(datField::Monitor, 6);
        ch.Encode();
    });
    const CliRun check = Cli("check " + path);
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "errors: 1\nwarnings: 0\nerror: [St_ChBank]GI_Sheet_Mch_PmrB,Bank 1\n");
}

TEST_F(CheckCommandTest, AFileThatDoesNotOpenGivesItsCode) {
    const CliRun check = Cli("check " + dir.File("missing.clf"));
    EXPECT_NE(check.status, 0);
    EXPECT_EQ(check.out, "");
}

}  // namespace
