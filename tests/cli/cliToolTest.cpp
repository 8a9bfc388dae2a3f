// orvane-cli run as a program from the build's bin folder: its output lines,
// exit status and messages.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ChBanks.h"
#include "ClfTestSupport.h"
#include "CliRunner.h"
#include "cmcClfFile.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "indDocument.h"

namespace {

class CliToolTest : public ::testing::Test {
  protected:
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }

    // The clone-file message naming path (and line, when one is at fault).
    std::string FileMessage(const char* name, const std::string& path, int line = 0,
                            const std::string& reason = "") const {
        std::string place =
            GTex().GetText(line > 0 ? "GI_Mess_FileErr_FileLine" : "GI_Mess_FileErr_File");
        place.replace(place.find("%s"), 2, path);
        if (line > 0) {
            place.replace(place.find("%s"), 2, std::to_string(line));
        }
        return GTex().GetText("GI_Mess_FileErr_Headline") + "\n\n" + GTex().GetText(name) +
               (reason.empty() ? "" : "\n" + reason) + "\n" + place + "\n";
    }

    ScratchDir dir;
};

TEST_F(CliToolTest, UsageListsEveryCommand) {
    const CliRun none = Cli("");
    EXPECT_EQ(none.status, 64);
    const CliRun help = Cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, none.out);
    for (const char* command : {"new --model", "info FILE", "verify FILE"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
}

TEST_F(CliToolTest, BadCommandLinesAreUsageErrors) {
    EXPECT_EQ(Cli("frobnicate").status, 64);
    EXPECT_EQ(Cli("info").status, 64);
    EXPECT_EQ(Cli("info a b").status, 64);
    EXPECT_EQ(Cli("info --yes a").status, 64);  // info asks nothing
    EXPECT_EQ(Cli("new --model lmr").status, 64);
    EXPECT_EQ(Cli("new --model vhf -o " + dir.File("x.clf")).status, 64);
    EXPECT_EQ(Cli("new -o").status, 64);
}

TEST_F(CliToolTest, NewFilesOfEachModelReportTheirModel) {
    const struct {
        const char* option;
        const char* name;
    } models[] = {{"lmr", "Lmr"}, {"pmr", "Pmr"}, {"biis", "BiisPmr"}};
    for (const auto& m : models) {
        const std::string path = dir.File(std::string(m.option) + ".clf");
        const CliRun made = Cli(std::string("new --model ") + m.option + " -o " + path);
        ASSERT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(Cli("verify " + path).status, 0);
        const CliRun info = Cli("info " + path);
        EXPECT_EQ(info.status, 0);
        EXPECT_EQ(info.out, std::string("model: ") + m.name +
                                "\nmap revision: 3\ncomment: \nchannels: 0/64\nbanks: 4 4 4 4 4 4 "
                                "4 4 4 4 4 4 4 4 4 4\n");
        EXPECT_TRUE(info.err.empty());
    }
}

TEST_F(CliToolTest, InfoReportsCommentChannelsAndBanks) {
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    ASSERT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(ModelLmr), image), ClfOk);
    image.WriteBlock(0x0140, reinterpret_cast<const uint8_t*>("Base    "), 8);
    image.WriteBlock(0x0150, reinterpret_cast<const uint8_t*>("station 7"), 9);
    SetBankCount(image, 0, 20);
    SetBankCount(image, 15, 12);
    const uint8_t used[] = {0x03, 0x8A, 0x40, 0x03, 0x8A, 0x40};  // 145 MHz
    image.WriteBlock(0x0400 + 20 * 3, used, 6);
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    const std::string path = dir.File("filled.clf");
    WriteWholeFile(path, file.FormatText({{0, MemoryMap::LongMapEnd}}));

    const CliRun info = Cli("info " + path);
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out,
              "model: Lmr\nmap revision: 3\ncomment: Basestation 7\nchannels: 1/88\n"
              "banks: 20 4 4 4 4 4 4 4 4 4 4 4 4 4 4 12\n");
}

TEST_F(CliToolTest, VerifyExitsWithTenPlusTheCloneFileCode) {
    const std::string made = dir.File("made.clf");
    ASSERT_EQ(Cli("new --model lmr -o " + made).status, 0);
    const std::string text = ReadWholeFile(made);

    const struct {
        std::string contents;
        int code;
        const char* message;
        int line;
    } cases[] = {
        {"23360300\r\n#\r\n", 18, "GI_Mess_FileErr_Data", 0},
        {"2A" + text.substr(2), 16, "GI_Mess_FileErr_Format", 1},
        {"12340300" + text.substr(8), 13, "GI_Mess_FileErr_Model", 1},
        {"23360400" + text.substr(8), 14, "GI_Mess_FileErr_Extra", 1},
        {"23360200" + text.substr(8), 0, nullptr, 0},
        {text.substr(0, text.find("\r\n3000") + 2), 17, "GI_Mess_FileErr_Coverage", 0},
    };
    for (const auto& c : cases) {
        const std::string path = dir.File("case.clf");
        WriteWholeFile(path, c.contents);
        const CliRun run = Cli("verify " + path);
        EXPECT_EQ(run.status, c.code) << c.contents.substr(0, 8);
        EXPECT_EQ(run.err, c.message != nullptr ? FileMessage(c.message, path, c.line) : "");
        EXPECT_TRUE(run.out.empty());
    }
    const CliRun missing = Cli("verify " + dir.File("absent.clf"));
    EXPECT_EQ(missing.status, 11);
    EXPECT_EQ(missing.err, FileMessage("GI_Mess_FileErr_FileOpen", dir.File("absent.clf"), 0,
                                       std::strerror(ENOENT)));
    EXPECT_EQ(Cli("info " + dir.File("absent.clf")).status, 11);
}

TEST_F(CliToolTest, NewIntoAMissingFolderFails) {
    const CliRun run = Cli("new --model pmr -o " + dir.File("missing/x.clf"));
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, FileMessage("GI_Mess_FileErr_FileOpen", dir.File("missing/x.clf"), 0,
                                   std::strerror(ENOENT)));
}

}  // namespace
