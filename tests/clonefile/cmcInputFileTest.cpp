// Input files: only a regular file within the size limit is read (a FIFO or a
// device never blocks or floods the reader), the clone-file messages name the
// file and the line at fault, and output paths are compared with inputs.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "ClfTestSupport.h"
#include "Path.h"
#include "cmcClfFile.h"
#include "cmcGTex.h"
#include "cmcInputFile.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kLimit = 1000;

// The paths of a scratch folder holding a file of each kind.
struct InputKinds {
    InputKinds() {
        WriteWholeFile(regular, "23360300\r\n");
        mkfifo(fifo.c_str(), 0600);
        WriteWholeFile(large, "");
        fs::resize_file(large, kMaxCloneFileBytes + 1);
        fs::create_directory(folder);
    }
    ScratchDir dir;
    std::string regular = dir.File("small.clf");
    std::string fifo = dir.File("fifo.clf");
    std::string large = dir.File("large.clf");
    std::string folder = dir.File("folder.clf");
    std::string missing = dir.File("missing.clf");
};

TEST(InputFileTest, OnlyRegularFilesWithinTheLimitAreRead) {
    const InputKinds in;
    const struct {
        std::string path;
        size_t limit;
        cmcInputFileResult result;
        uint64_t size;
        int error;
    } cases[] = {
        {in.regular, kLimit, cmcInputFileResult::Ok, 10, 0},
        {in.regular, 9, cmcInputFileResult::TooLarge, 10, 0},
        {in.fifo, kLimit, cmcInputFileResult::NotRegular, 0, 0},
        {in.folder, kLimit, cmcInputFileResult::NotRegular, 0, 0},
        {"/dev/zero", kLimit, cmcInputFileResult::NotRegular, 0, 0},
        {in.missing, kLimit, cmcInputFileResult::OpenFailed, 0, ENOENT},
    };
    for (const auto& c : cases) {
        const cmcInputFile file = ReadInputFile(c.path, c.limit);
        EXPECT_EQ(file.result, c.result) << c.path;
        EXPECT_EQ(file.size, c.size) << c.path;
        EXPECT_EQ(file.error, c.error) << c.path;
        EXPECT_EQ(file.contents, c.result == cmcInputFileResult::Ok ? "23360300\r\n" : "");
        EXPECT_EQ(InputFileProblem(file, c.limit).empty(), c.result == cmcInputFileResult::Ok);
    }
    const std::string tooLarge = InputFileProblem(ReadInputFile(in.regular, 9), 9);
    EXPECT_NE(tooLarge.find("10 bytes"), std::string::npos) << tooLarge;
}

TEST(InputFileTest, CloneFileThatCannotBeReadNamesTheFileAndWhy) {
    const InputKinds in;
    ScopedMessageBox boxes;
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    cmcClfFile file;
    file.AttachTarget(&image);
    const std::string notRegular = GTex().GetText("GI_Mess_FileErr_NotRegular");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {in.missing, std::strerror(ENOENT)},
        {in.folder, notRegular},
        {in.fifo, notRegular},
        {in.large,
         FillPattern(GTex().GetText("GI_Mess_FileErr_TooLarge"),
                     {std::to_string(kMaxCloneFileBytes + 1), std::to_string(kMaxCloneFileBytes)})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(file.LoadFile(c.path, nullptr), ClfFileOpen) << c.path;
        ASSERT_FALSE(boxes.box.Boxes().empty());
        EXPECT_EQ(boxes.box.Boxes().back().text,
                  GTex().GetText("GI_Mess_FileErr_Headline") + "\n\n" +
                      GTex().GetText("GI_Mess_FileErr_FileOpen") + "\n" + c.reason + "\n" +
                      FillPattern(GTex().GetText("GI_Mess_FileErr_File"), {c.path}));
    }
}

TEST(InputFileTest, CloneFileErrorsNameTheLineAtFault) {
    ScratchDir dir;
    ScopedMessageBox boxes;
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    const std::string head = "23360300\r\n#\r\n";
    const struct {
        std::string text;
        int code;
        int line;  // 0: the message names no line
    } cases[] = {
        {"", ClfFormat, 0},
        {"2A360300\r\n", ClfFormat, 1},
        {"12340300\r\n", ClfModel, 1},
        {head + "00000100\nnot hex\r\n", ClfFormat, 4},
        {head + "#" + std::string(1000, 'x') + "\r\n0000", ClfFormat,
         3},  // a long line's 2nd piece
        {head + std::string(800, '0') + "\r\n", ClfFormat, 3},
        {head + "\r\n\r\n\r\n", ClfFormat, 3},
        {head + "3FFF0200FF\r\n", ClfData, 3},
    };
    const std::string path = dir.File("bad.clf");
    for (const auto& c : cases) {
        WriteWholeFile(path, c.text);
        EXPECT_EQ(file.LoadFile(path, nullptr), c.code) << c.text.substr(0, 40);
        EXPECT_EQ(file.ErrorLine(), c.line) << c.text.substr(0, 40);
        const std::string place = c.line > 0
                                      ? FillPattern(GTex().GetText("GI_Mess_FileErr_FileLine"),
                                                    {path, std::to_string(c.line)})
                                      : FillPattern(GTex().GetText("GI_Mess_FileErr_File"), {path});
        EXPECT_EQ(boxes.box.Boxes().back().text, FileErrorText(c.code) + "\n" + place);
    }
    WriteWholeFile(path, head + "00000100\r\n");
    EXPECT_EQ(file.LoadFile(path, nullptr), ClfOk);
    EXPECT_EQ(file.ErrorLine(), 0);
}

TEST(InputFileTest, PathsNamingTheSameFile) {
    ScratchDir dir;
    WriteWholeFile(dir.File("a.clf"), "a");
    WriteWholeFile(dir.File("b.clf"), "b");
    fs::create_symlink("a.clf", dir.File("link.clf"));
    fs::create_hard_link(dir.File("a.clf"), dir.File("hard.clf"));
    fs::create_directory(dir.File("sub"));
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {dir.File("a.clf"), dir.File("a.clf"), true},
        {dir.File("a.clf"), dir.File("sub/../a.clf"), true},
        {dir.File("link.clf"), dir.File("a.clf"), true},
        {dir.File("hard.clf"), dir.File("a.clf"), true},
        {dir.File("a.clf"), dir.File("b.clf"), false},
        {dir.File("new.clf"), dir.File("a.clf"), false},
        {dir.File("new.clf"), dir.File("sub/../new.clf"), true},
        {dir.File("new.clf"), dir.File("other.clf"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Path::PathsNameSameFile(c.a, c.b), c.same) << c.a << " " << c.b;
        EXPECT_EQ(Path::PathsNameSameFile(c.b, c.a), c.same) << c.b << " " << c.a;
    }
}

}  // namespace
