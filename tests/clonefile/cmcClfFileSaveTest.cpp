// The clone-file writer: line layout, read-back, and that a save that cannot
// complete leaves the previous file byte for byte as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>

#include "ClfTestSupport.h"
#include "cmcClfFile.h"

namespace {

const std::vector<AddressRange> kSaveRanges = GetAddressRanges(RangePurpose::FileSave, 3);

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    lines.push_back(text.substr(from));  // after the last line end: empty
    return lines;
}

int CountFiles(const std::string& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++n;
    }
    return n;
}

class ClfSaveTest : public ::testing::Test {
  protected:
    ClfSaveTest() : image(PatternImage(11)) {
        file.AttachTarget(&image);
        file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
        file.SetComment("Test comment");
    }

    ScopedMessageBox boxes;
    ScratchDir dir;
    cmcEeprom image;
    cmcClfFile file;
};

TEST_F(ClfSaveTest, FullSaveIs930CrLfLinesOfUpperCaseHex) {
    const std::string path = dir.File("full.clf");
    ASSERT_EQ(file.SaveFile(path, kSaveRanges), ClfOk);
    EXPECT_TRUE(boxes.box.Boxes().empty());
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 931u);
    EXPECT_EQ(lines.back(), "");  // every line, the last included, ends with CR LF
    lines.pop_back();
    EXPECT_EQ(lines[0], "23360300");
    EXPECT_EQ(lines[1], "#Test comment");
    EXPECT_EQ(lines[2].substr(0, 6), "000010");
    EXPECT_EQ(lines[929].substr(0, 6), "39F010");
    for (size_t i = 2; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 38u) << i;
        for (char c : lines[i]) {
            ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'))
                << lines[i];
        }
    }
    EXPECT_EQ(text.find('\n', text.size() - 1), text.size() - 1);
}

TEST_F(ClfSaveTest, SavedFileReadsBackByteForByte) {
    const std::string path = dir.File("back.clf");
    ASSERT_EQ(file.SaveFile(path, kSaveRanges), ClfOk);
    cmcEeprom loaded;
    loaded.Resize(MemoryMap::ImageSize);
    cmcClfFile reader;
    reader.AttachTarget(&loaded);
    reader.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    ASSERT_EQ(reader.LoadFile(path, &kSaveRanges), ClfOk);
    for (int a = 0; a <= MemoryMap::LongMapEnd; ++a) {
        ASSERT_EQ(loaded.GetByte(a), image.GetByte(a)) << a;
    }
}

TEST_F(ClfSaveTest, LinesStopAtSixteenByteBoundariesAndAtTheFirstBadRange) {
    image.Fill(0x01);
    const std::string text = file.FormatText({{0x0005, 0x0024}, {0x0030, 0x0030}, {4, 3}, {0, 1}});
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], "00050B0101010101010101010101");
    EXPECT_EQ(lines[3].substr(0, 6), "001010");
    EXPECT_EQ(lines[4], "0020050101010101");
    EXPECT_EQ(lines[5], "00300101");
    EXPECT_EQ(file.FormatText({{0, MemoryMap::ImageSize}}), "23360300\r\n#Test comment\r\n");
}

TEST_F(ClfSaveTest, CommentStaysOnOneLine) {
    file.SetComment("a\r\nb\nc");
    EXPECT_EQ(SplitCrLf(file.FormatText({}))[1], "#a  b c");
}

TEST_F(ClfSaveTest, WriteFailureLeavesThePreviousFileIdentical) {
    const std::string path = dir.File("keep.clf");
    WriteWholeFile(path, "previous contents\r\n");
    const int filesBefore = CountFiles(dir.Path());

    // Files may grow to 1000 bytes only: the write fails half way, as on a full disk.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int code = file.SaveFile(path, kSaveRanges);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(code, ClfFileAccess);
    EXPECT_EQ(ReadWholeFile(path), "previous contents\r\n");
    EXPECT_EQ(CountFiles(dir.Path()), filesBefore);  // no temporary file left behind
    ASSERT_EQ(boxes.box.Boxes().size(), 1u);
}

TEST_F(ClfSaveTest, UnwritableTargetsGiveCode1) {
    EXPECT_EQ(file.SaveFile(dir.File("missing/x.clf"), kSaveRanges), ClfFileOpen);
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(file.SaveFile(dir.File("folder"), kSaveRanges), ClfFileOpen);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_EQ(boxes.box.Boxes().size(), 2u);
}

TEST_F(ClfSaveTest, ReadOnlyFolderLeavesTheFileAlone) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the super-user";
    }
    const std::string path = dir.File("ro.clf");
    WriteWholeFile(path, "old");
    chmod(dir.Path().c_str(), 0500);
    EXPECT_EQ(file.SaveFile(path, kSaveRanges), ClfFileOpen);
    chmod(dir.Path().c_str(), 0700);
    EXPECT_EQ(ReadWholeFile(path), "old");
}

TEST_F(ClfSaveTest, ReplacingKeepsModeAndSymbolicLink) {
    const std::string real = dir.File("real.clf");
    const std::string link = dir.File("link.clf");
    WriteWholeFile(real, "old");
    chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(file.SaveFile(link, kSaveRanges), ClfOk);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadWholeFile(real).substr(0, 10), "23360300\r\n");
}

}  // namespace
