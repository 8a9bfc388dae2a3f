// The clone-file reader: header and data-line rules, result codes, coverage,
// and that a failed read leaves the target image as it was.

#include <gtest/gtest.h>

#include "ClfTestSupport.h"
#include "cmcClfFile.h"
#include "cmcGTex.h"

namespace {

const std::vector<AddressRange> kLongMap = {{0, MemoryMap::LongMapEnd}};

class ClfReadTest : public ::testing::Test {
  protected:
    ClfReadTest() {
        image.Resize(MemoryMap::ImageSize);
        image.Fill(0xAA);
        file.AttachTarget(&image);
        file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    }

    int Load(const std::string& text, const std::vector<AddressRange>* ranges = nullptr) {
        return file.LoadText(text, ranges);
    }

    cmcEeprom image;
    cmcClfFile file;
};

std::string WithHeader(const std::string& body) {
    return "23360300\r\n#comment\r\n" + body;
}

TEST_F(ClfReadTest, HeaderLineRules) {
    EXPECT_EQ(Load(""), ClfFormat);
    EXPECT_EQ(Load("2A360300\r\n"), ClfFormat);  // a hex letter is malformed, not a wrong model
    EXPECT_EQ(Load("2336030\r\n"), ClfFormat);
    EXPECT_EQ(Load("233603000\r\n"), ClfFormat);
    EXPECT_EQ(Load("\r\n23360300\r\n"), ClfFormat);  // the header must be the first line
    EXPECT_EQ(Load("12340300\r\n"), ClfModel);
    EXPECT_EQ(Load("23360400\r\n"), ClfExtra);
    EXPECT_EQ(Load("23360300"), ClfOk);  // header alone, without line end
}

TEST_F(ClfReadTest, HeaderCheckDecides) {
    int seen1 = -1;
    int seen2 = -1;
    file.SetHeaderCheck([&](int word1, int word2, int& result) {
        seen1 = word1;
        seen2 = word2;
        if (word2 == 0x0900) {
            result = ClfMapRev;
            return false;
        }
        return true;
    });
    EXPECT_EQ(Load("12340100\r\n"), ClfOk);
    EXPECT_EQ(seen1, 0x1234);
    EXPECT_EQ(seen2, 0x0100);
    EXPECT_EQ(Load("23360900\r\n"), ClfMapRev);
}

TEST_F(ClfReadTest, DataLineLengthAndDigits) {
    EXPECT_EQ(Load(WithHeader("000001\r\n")), ClfFormat);  // no data byte: too short
    EXPECT_EQ(Load(WithHeader("00001000112233445566778899AABBCCDDEE\r\n")), ClfFormat);
    EXPECT_EQ(Load(WithHeader("00000211\r\n")), ClfFormat);     // count says 2, one byte
    EXPECT_EQ(Load(WithHeader("00000100112\r\n")), ClfFormat);  // odd length
    EXPECT_EQ(Load(WithHeader("0000010G\r\n")), ClfFormat);     // not hex
    EXPECT_EQ(Load(WithHeader("00000100 \r\n")), ClfFormat);    // trailing blank
    EXPECT_EQ(Load(WithHeader("0000\r01001\r\n")), ClfFormat);  // lone CR is no line end
    const std::string withNul("000001\0\x30", 8);
    EXPECT_EQ(Load(WithHeader(withNul + "\r\n")), ClfFormat);
    EXPECT_EQ(Load(WithHeader("0000000\r\n")), ClfFormat);
}

TEST_F(ClfReadTest, SingleByteLineStoresOnlyThatByte) {
    ASSERT_EQ(Load(WithHeader("00000100\r\n")), ClfOk);
    EXPECT_EQ(image.GetByte(0), 0x00);
    EXPECT_EQ(image.GetByte(1), 0xAA);
    EXPECT_TRUE(file.WasRead(0));
    EXPECT_FALSE(file.WasRead(1));
}

TEST_F(ClfReadTest, LongestLineHolds255Bytes) {
    std::string line = "0100FF";
    for (int i = 0; i < 255; ++i) {
        line += "5a";  // lower case is accepted
    }
    ASSERT_EQ(Load(WithHeader(line + "\r\n")), ClfOk);
    EXPECT_EQ(image.GetByte(0x0100), 0x5A);
    EXPECT_EQ(image.GetByte(0x01FE), 0x5A);
    EXPECT_EQ(image.GetByte(0x01FF), 0xAA);
    EXPECT_EQ(Load(WithHeader(line + "5A\r\n")), ClfFormat);  // 518 characters
}

TEST_F(ClfReadTest, AddressesBeyondTheImage) {
    EXPECT_EQ(Load(WithHeader("3FFF01AB\r\n")), ClfOk);
    EXPECT_EQ(image.GetByte(0x3FFF), 0xAB);
    EXPECT_EQ(Load(WithHeader("3FFF02ABCD\r\n")), ClfData);
    EXPECT_EQ(Load(WithHeader("FFFF0100\r\n")), ClfData);
}

TEST_F(ClfReadTest, LineEnds) {
    EXPECT_EQ(Load("23360300\n#c\n00000111\n00010122"), ClfOk);  // lone LF, no final line end
    EXPECT_EQ(image.GetByte(0), 0x11);
    EXPECT_EQ(image.GetByte(1), 0x22);
    EXPECT_EQ(Load(WithHeader("00000133\r\n\r\n00010144\r\n")), ClfFormat);  // blank line
    EXPECT_EQ(Load(WithHeader("00000133\r\n\r\n")), ClfFormat);              // blank last line
}

TEST_F(ClfReadTest, CommentsAndMapRevision) {
    ASSERT_EQ(Load(WithHeader("#MapRev=2\r\n00000101\r\n# any text\r\n")), ClfOk);
    EXPECT_EQ(file.RecordedMapRevision(), 2);
    ASSERT_EQ(Load(WithHeader("#MapRev=\r\n#MapRev x\r\n")), ClfOk);
    EXPECT_EQ(file.RecordedMapRevision(), -1);
    ASSERT_EQ(Load(WithHeader("#MapRev=99999999999999\r\n")), ClfOk);
    EXPECT_GT(file.RecordedMapRevision(), 0);
}

TEST_F(ClfReadTest, OverlongLineComesInPieces) {
    // A comment beyond the reader's line buffer continues as a piece that is no comment.
    EXPECT_EQ(Load(WithHeader("#" + std::string(765, 'x') + "\r\n")), ClfOk);
    EXPECT_EQ(Load(WithHeader("#" + std::string(766, 'x') + "\r\n")), ClfOk);
    EXPECT_EQ(Load(WithHeader("#" + std::string(767, 'x') + "\r\n")), ClfFormat);
}

TEST_F(ClfReadTest, LinesInAnyOrderLastValueWins) {
    ASSERT_EQ(Load(WithHeader("00100111\r\n000F0322AABB\r\n")), ClfOk);
    EXPECT_EQ(image.GetByte(0x0F), 0x22);
    EXPECT_EQ(image.GetByte(0x10), 0xAA);
    EXPECT_EQ(image.GetByte(0x11), 0xBB);
}

TEST_F(ClfReadTest, CoverageCodes) {
    const cmcEeprom source = PatternImage(7);
    cmcEeprom copy;
    copy.Assign(source);
    cmcClfFile writer;
    writer.AttachTarget(&copy);
    writer.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    const std::vector<AddressRange> shortMap = {{0, MemoryMap::ShortMapEnd}};

    const std::string longText = writer.FormatText(kLongMap);
    ASSERT_EQ(Load(longText, &kLongMap), ClfOk);
    for (int a = 0; a <= MemoryMap::LongMapEnd; ++a) {
        ASSERT_EQ(image.GetByte(a), source.GetByte(a)) << a;
    }
    EXPECT_EQ(file.CheckCoverage(shortMap), ClfData);  // holds bytes beyond the short map
    EXPECT_EQ(Load(writer.FormatText(shortMap), &kLongMap), ClfCoverage);
    EXPECT_EQ(Load(WithHeader(""), &kLongMap), ClfCoverage);  // header and comment only
    EXPECT_EQ(Load(WithHeader(""), nullptr), ClfOk);
}

TEST_F(ClfReadTest, EveryFailureLeavesTheTargetAsItWas) {
    const cmcEeprom before = PatternImage(3);
    const std::vector<std::string> failing = {
        WithHeader("00000111\r\n000001\r\n"),
        WithHeader("00000111\r\n3FFF02ABCD\r\n"),
        WithHeader("00000111\r\n\r\n"),
        "12340300\r\n00000111\r\n",
        "",
    };
    for (const std::string& text : failing) {
        image.Assign(before);
        EXPECT_NE(Load(text), ClfOk) << text;
        EXPECT_TRUE(image.IsEqual(before)) << text;
    }
    image.Assign(before);
    EXPECT_EQ(Load(WithHeader("00000111\r\n"), &kLongMap), ClfCoverage);
    EXPECT_TRUE(image.IsEqual(before));
}

TEST(ClfLoadFileTest, MissingFileReportsCode1WithTheOverlayMessage) {
    ScopedMessageBox boxes;
    ScratchDir dir;
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    cmcClfFile file;
    file.AttachTarget(&image);
    EXPECT_EQ(file.LoadFile(dir.File("absent.clf"), nullptr), ClfFileOpen);
    EXPECT_EQ(file.LoadFile(dir.Path(), nullptr), ClfFileOpen);
    ASSERT_EQ(boxes.box.Boxes().size(), 2u);
    const auto& shown = boxes.box.Boxes()[1];
    EXPECT_EQ(shown.text, GTex().GetText("GI_Mess_FileErr_Headline") + "\n\n" +
                              GTex().GetText("GI_Mess_FileErr_FileOpen") + "\n" +
                              GTex().GetText("GI_Mess_FileErr_NotRegular") + "\n" +
                              FillPattern(GTex().GetText("GI_Mess_FileErr_File"), {dir.Path()}));
    EXPECT_EQ(shown.caption, GTex().GetText("GI_Sys_AppTitle"));
    EXPECT_EQ(shown.buttons, cmcMbButtons::Ok);
    EXPECT_EQ(shown.icon, cmcMbIcon::Warning);
}

TEST(ClfLoadFileTest, EveryCodeHasItsOwnMessageAndZeroShowsNone) {
    ScopedMessageBox boxes;
    ShowFileError(0);
    ShowFileError(10);
    ShowFileError(-1);
    EXPECT_TRUE(boxes.box.Boxes().empty());
    for (int code = 1; code <= 9; ++code) {
        ShowFileError(code);
    }
    ASSERT_EQ(boxes.box.Boxes().size(), 9u);
    for (size_t i = 1; i < 9; ++i) {
        EXPECT_NE(boxes.box.Boxes()[i].text, boxes.box.Boxes()[i - 1].text);
    }
}

}  // namespace
