// orvane-cli sheet and edit: the same handler, sheets and events as the window.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ChBanks.h"
#include "CliPmrFileTest.h"
#include "datCh.h"
#include "indDocument.h"

namespace {

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

const char* const kBank0 = "\"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\"";

class CliSheetEditTest : public CliPmrFileTest {
  protected:
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    // The working image of a saved file, opened as the program opens it.
    cmcEeprom Open(const std::string& path) {
        indDocument doc;
        doc.Start();
        EXPECT_EQ(doc.OpenFile(path), 0);
        cmcEeprom image;
        image.Assign(doc.WorkingImage());
        return image;
    }
};

}  // namespace

TEST_F(CliSheetEditTest, ANewImagePrintsItsBankSheetWithoutErrors) {
    const CliRun run = Cli(std::string("sheet ") + file + " " + kBank0);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(run.out.find("error"), std::string::npos);
    EXPECT_EQ(run.out.find("*Yet*"), std::string::npos);
    EXPECT_EQ(run.out.find("!E"), std::string::npos);
    EXPECT_EQ(lines[1].substr(0, 6), "1-  1\t");
    EXPECT_EQ(Cli(std::string("sheet ") + file + " \"[St_ChBank]GI_No_Such_Sheet,Bank 0\"").status,
              64);
}

TEST_F(CliSheetEditTest, TypingOnTheEntryRowAddsAChannelWithItsFrequency) {
    cmcEeprom before = Open(file);
    const int count = BankCount(before, 0);
    const std::string out = dir.File("out.clf");
    // The entry row of bank 0 stands for the channel after its last one.
    const CliRun run = Cli("edit " + file + " -o " + out + " -s " + kBank0 +
                           " --item \"CL_Mch_FreqR[" + std::to_string(count) + "]\" --type 146.52");
    ASSERT_EQ(run.status, 0) << run.err;
    const cmcEeprom image = Open(out);
    EXPECT_EQ(BankCount(image, 0), count + 1);
    EXPECT_EQ(BankCount(image, 1), BankCount(before, 1));
    const int record = 0x0400 + 20 * count;
    const int steps = 146520000 / 625;
    for (int at : {record, record + 3}) {  // receive, and transmit that followed it
        EXPECT_EQ(image.GetByte(at) & 0x7F, (steps >> 16) & 0x7F);
        EXPECT_EQ(image.GetByte(at + 1), (steps >> 8) & 0xFF);
        EXPECT_EQ(image.GetByte(at + 2), steps & 0xFF);
    }
    const CliRun sheet = Cli("sheet " + out + " " + kBank0);
    EXPECT_NE(sheet.out.find("146.520000\t<-"), std::string::npos);
}

TEST_F(CliSheetEditTest, ARejectedValueFailsAndWritesNothing) {
    const std::string out = dir.File("out.clf");
    const CliRun run = Cli("edit " + file + " -o " + out + " -s " + kBank0 +
                           " --item \"CL_Mch_FreqR[0]\" --type 146.5212");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("146.5212"), std::string::npos);
    EXPECT_FALSE(FileExists(out));
}

TEST_F(CliSheetEditTest, KeysChoicesAndRowCommandsWorkAsOnScreen) {
    const std::string out = dir.File("out.clf");
    const CliRun run = Cli("edit " + file + " -o " + out + " -s " + kBank0 +
                           " --item \"CL_Mch_FreqR[0]\" --type 146.52"  // channel 1 in use
                           " --item \"CL_Mch_CTone_R[0]\" --type 023I"  // DTCS 023 inverted
                           " --item \"CL_Mch_Nar[0]\" --key space"      // next width choice
                           " --item \"CL_Mch_FreqR[0]\" --command copy"
                           " --item \"CL_Mch_FreqR[1]\" --command paste");
    ASSERT_EQ(run.status, 0) << run.err;
    const cmcEeprom image = Open(out);
    datCh ch(const_cast<cmcEeprom*>(&image));
    for (int row : {0, 1}) {
        ch.Decode(KindMchPmr, row);
        EXPECT_EQ(ch.RxFreq(), 146520000) << row;
        EXPECT_TRUE(ch.RxTone().Dtcs) << row;
        EXPECT_EQ(ch.RxTone().DtcsCode, 19) << row;
        EXPECT_EQ(ch.Get(datField::Narrow), 1) << row;
    }
}

TEST_F(CliSheetEditTest, ChoosingStoresTheEntryOrFailsWritingNothing) {
    const std::string setMode = " -s GI_Sheet_SetMode --item ";
    const std::string channel =
        std::string(" -s ") + kBank0 + " --item \"CL_Mch_FreqR[0]\" --type 146.52 --item ";
    const struct {
        std::string actions;
        int address;
        uint8_t mask;
        uint8_t value;
        int status;
    } cases[] = {
        {setMode + "\"CL_SetM_BeepLev[0]\" --choose 103", 0x00E1, 0x4F, 0x43,
         0},  // level 3, linked
        {setMode + "\"CL_SetM_Backlight[0]\" --choose 1", 0x00A4, 0x03, 0x01, 0},
        {channel + "\"CL_Mch_RfPo[0]\" --choose 1", 0x0409, 0x03, 0x01, 0},
        {channel + "\"CL_Mch_RfPo[0]\" --choose 2", 0x0409, 0x03, 0x02, 0},
        {channel + "\"CL_Mch_FreqR[1]\" --command clear", 0, 0, 0, 1},   // asks; no --yes
        {channel + "\"CL_Mch_FreqR[4]\" --command clear", 0, 0, 0, 1},   // the entry row
        {setMode + "\"CL_SetM_BeepLev[0]\" --choose 99", 0, 0, 0, 1},    // no such entry
        {setMode + "\"CL_SetM_Backlight[0]\" --choose On", 0, 0, 0, 1},  // not a value
        {channel + "\"CL_Mch_Scan[0]\" --choose 13", 0, 0, 0, 1},        // not a pattern of 1..10
        // A key that opens the editor or a list is finished by --type or --choose.
        {channel + "\"CL_Mch_Nar[1]\" --key 1 --type 147.5", 0x0414, 0x7F, 0x03, 0},
        {channel + "\"CL_Mch_RfPo[0]\" --key enter --choose 2", 0x0409, 0x03, 0x02, 0},
        {channel + "\"CL_Mch_FreqR[1]\" --key 1", 0, 0, 0, 1},
        {channel + "\"CL_Mch_RfPo[0]\" --key enter --item \"CL_Mch_Nar[0]\"", 0, 0, 0, 1},
        {channel + "\"CL_Mch_FreqR[0]\" --choose 1", 0, 0, 0, 1},  // no list
        // A key on a display-only cell (the template keeps the siren bit) does nothing.
        {" -s GI_Sheet_Common --item \"CL_Comm_EmerTim_Sairen[0]\" --key space", 0, 0, 0, 1},
    };
    for (const auto& t : cases) {
        const std::string out = dir.File("out.clf");
        std::remove(out.c_str());
        const CliRun run = Cli("edit " + file + " -o " + out + t.actions);
        EXPECT_EQ(run.status, t.status) << t.actions << "\n" << run.err;
        EXPECT_EQ(FileExists(out), t.status == 0) << t.actions;
        if (t.status == 0) {
            EXPECT_EQ(Open(out).GetByte(t.address) & t.mask, t.value) << t.actions;
        }
        if (t.status != 0) {
            EXPECT_NE(run.err.find("orvane-cli edit: --"), std::string::npos) << run.err;
        }
    }
    // The flag-bit pop-up takes the pattern the cell shows.
    const CliRun scan = Cli("edit " + file + " -o " + dir.File("scan.clf") + channel +
                            "\"CL_Mch_Scan[0]\" --choose 1_3");
    ASSERT_EQ(scan.status, 0) << scan.err;
    EXPECT_NE(Cli("sheet " + dir.File("scan.clf") + " " + kBank0).out.find("1_3_______"),
              std::string::npos);
}
