// The file commands: Open's checks and their order, Save and Save As, and the
// unsaved-changes question before New and Open.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "DocTestSupport.h"
#include "EventIds.h"
#include "ModelType.h"
#include "cmcGTex.h"

namespace {

// A plain setting byte (squelch level) that normalisation leaves as it is.
constexpr int kMark = 0x00E2;

class FileCommandsTest : public ::testing::Test, public DocFixture {
  protected:
    std::string WriteFileText() const {
        return "box:" + GTex().GetText("GI_Mess_Confirm_WriteFile");
    }
    // The unsaved-changes question naming file.
    std::string AskFor(const std::string& file) const {
        std::string text = GTex().GetText("GI_Mess_Confirm_WriteFile");
        text.replace(text.find("%s"), 2, file);
        return "box:" + text;
    }
    std::string AskAnother() const {
        return "box:" + GTex().GetText("GI_Mess_Confirm_WriteAnother");
    }
    // The clone-file message naming path (and line, when one is at fault).
    std::string FileError(const char* name, const std::string& path, int line = 0,
                          const std::string& reason = "") const {
        std::string place =
            GTex().GetText(line > 0 ? "GI_Mess_FileErr_FileLine" : "GI_Mess_FileErr_File");
        place.replace(place.find("%s"), 2, path);
        if (line > 0) {
            place.replace(place.find("%s"), 2, std::to_string(line));
        }
        return "box:" + GTex().GetText("GI_Mess_FileErr_Headline") + "\n\n" + GTex().GetText(name) +
               (reason.empty() ? "" : "\n" + reason) + "\n" + place;
    }
    // An image the document would open: the template with a mark.
    cmcEeprom MarkedImage(uint8_t mark) const {
        cmcEeprom image;
        image.Assign(doc->TemplateImage());
        image.SetByte(kMark, mark);
        return image;
    }
    // Expects that a failed open left the document as it was.
    void ExpectUnchanged(const cmcEeprom& working, const std::string& path, bool modified) {
        EXPECT_TRUE(doc->WorkingImage().IsEqual(working));
        EXPECT_EQ(doc->CurrentPath(), path);
        EXPECT_EQ(doc->IsModified(), modified);
    }
};

TEST_F(FileCommandsTest, SaveThenOpenGivesTheSameImageAndClearsModified) {
    Edit(kMark, 0x42);
    doc->WorkingImage().WriteBlock(0x0140, reinterpret_cast<const uint8_t*>("My radio  \x01  "),
                                   14);
    const std::string path = dir.File("saved.clf");
    ASSERT_TRUE(doc->SaveToFile(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->FileName(), path);
    EXPECT_EQ(doc->Title(), "saved.clf - " + GTex().GetText("GI_Sys_AppTitle"));
    EXPECT_EQ(settingsStore.Recent().Entry(0), path);
    EXPECT_EQ(ReadWholeFile(path).substr(0, 21), "23360300\r\n#My radio\r\n");
    PumpEvents();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(commits, 1);

    cmcEeprom saved;
    saved.Assign(doc->WorkingImage());
    ASSERT_TRUE(doc->NewFile());
    EXPECT_FALSE(doc->WorkingImage().IsEqual(saved));
    log.clear();
    ASSERT_EQ(doc->OpenFile(path), ClfOk);
    EXPECT_TRUE(doc->WorkingImage().IsEqual(saved));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->FileName(), path);
    PumpEvents();
    EXPECT_EQ(std::count(log.begin(), log.end(), "ev:" + std::to_string(EventIds::ImageReplaced)),
              2);  // after loading, and once more
}

TEST_F(FileCommandsTest, AcceptedAndRefusedHeaders) {
    const cmcEeprom image = MarkedImage(1);
    EXPECT_EQ(doc->OpenFile(WriteImageFile("r1.clf", image, "23360100")), ClfOk);
    EXPECT_EQ(doc->OpenFile(WriteImageFile("r2.clf", image, "23360200")), ClfOk);
    EXPECT_EQ(doc->CurrentPath(), dir.File("r2.clf"));
    EXPECT_EQ(doc->OpenFile(WriteImageFile("r4.clf", image, "23360400")), ClfExtra);
    EXPECT_EQ(doc->OpenFile(WriteImageFile("m.clf", image, "12340300")), ClfModel);
    EXPECT_EQ(doc->OpenFile(WriteImageFile("x.clf", image, "2A360300")), ClfFormat);
    EXPECT_EQ(log.back(), FileError("GI_Mess_FileErr_Format", dir.File("x.clf"), 1));
    EXPECT_EQ(doc->CurrentPath(), dir.File("r2.clf"));
}

TEST_F(FileCommandsTest, OpenChecksDataThenCoverage) {
    Edit(kMark, 0x77);
    cmcEeprom working;
    working.Assign(doc->WorkingImage());
    const std::string path = doc->CurrentPath();
    box.Answer(cmcMbResult::No);  // each open first asks about the edit

    const std::string headerOnly = dir.File("header.clf");
    WriteWholeFile(headerOnly, "23360300\r\n#\r\n");
    EXPECT_EQ(doc->OpenFile(headerOnly), ClfData);  // all-zero image fails the data check
    EXPECT_EQ(log.back(), FileError("GI_Mess_FileErr_Data", headerOnly));
    ExpectUnchanged(working, path, true);

    cmcEeprom shortMap = MarkedImage(2);
    shortMap.SetByte(MemoryMap::AdrMapRevision, 2);
    box.Answer(cmcMbResult::No);
    EXPECT_EQ(doc->OpenFile(WriteImageFile("short-long.clf", shortMap)), ClfData);
    EXPECT_EQ(log.back(), FileError("GI_Mess_FileErr_Data", dir.File("short-long.clf")));
    ExpectUnchanged(working, path, true);

    const std::string partial = dir.File("partial.clf");
    std::string text = ReadWholeFile(WriteImageFile("full.clf", MarkedImage(3)));
    WriteWholeFile(partial, text.substr(0, text.find("\r\n3000")));
    box.Answer(cmcMbResult::No);
    EXPECT_EQ(doc->OpenFile(partial), ClfCoverage);
    ExpectUnchanged(working, path, true);

    // A short-map image holding exactly 0x0000-0x2FFF opens.
    WriteWholeFile(
        partial,
        ReadWholeFile(WriteImageFile("s.clf", shortMap)).substr(0, text.find("\r\n3000") + 2));
    box.Answer(cmcMbResult::No);
    EXPECT_EQ(doc->OpenFile(partial), ClfOk);
}

TEST_F(FileCommandsTest, OpenOfAnotherModelTakesItsTypeWithoutAsking) {
    cmcEeprom pmr;
    ASSERT_TRUE(ReadImageFile(indDocument::InitialFilePath(ModelPmr), pmr));
    ASSERT_EQ(doc->OpenFile(WriteImageFile("pmr.clf", pmr)), ClfOk);
    EXPECT_EQ(doc->ModelType(), ModelPmr);
    EXPECT_EQ(ModelTypeOfImage(doc->TemplateImage()), ModelPmr);
    EXPECT_TRUE(log.empty());
}

TEST_F(FileCommandsTest, OpenWithoutEditsAsksNothing) {
    EXPECT_EQ(doc->OpenFile(WriteImageFile("a.clf", MarkedImage(1))), ClfOk);
    EXPECT_TRUE(log.empty());
}

TEST_F(FileCommandsTest, UntitledYesSavesAsThenOpens) {
    const std::string other = WriteImageFile("other.clf", MarkedImage(9));
    Edit(kMark, 0x55);
    box.Answer(cmcMbResult::Yes);
    chooser.Answer(dir.File("mine.clf"));
    ASSERT_EQ(doc->OpenFile(other), ClfOk);
    EXPECT_EQ(log, (std::vector<std::string>{AskFor("Untitled"), "save-dialog"}));
    EXPECT_EQ(chooser.lastProposedName, "Untitled");
    EXPECT_EQ(doc->CurrentPath(), other);
    EXPECT_EQ(settingsStore.Recent().Entry(0), other);
    EXPECT_EQ(settingsStore.Recent().Entry(1), dir.File("mine.clf"));
    cmcEeprom mine;
    ASSERT_TRUE(ReadImageFile(dir.File("mine.clf"), mine));
    EXPECT_EQ(mine.GetByte(kMark), 0x55);
}

TEST_F(FileCommandsTest, ReopeningTheCurrentFileAsksToSaveUnderAnotherName) {
    const std::string current = WriteImageFile("current.clf", MarkedImage(1));
    ASSERT_EQ(doc->OpenFile(current), ClfOk);
    const std::string before = ReadWholeFile(current);
    Edit(kMark, 0x66);
    box.Answer(cmcMbResult::Yes);
    chooser.Answer(dir.File("copy.clf"));
    ASSERT_EQ(doc->OpenFile(current), ClfOk);
    EXPECT_EQ(log, (std::vector<std::string>{AskAnother(), "save-dialog"}));
    EXPECT_EQ(ReadWholeFile(current), before);  // not saved over the file being reread
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 1);
}

TEST_F(FileCommandsTest, SameFileTestRespectsLetterCase) {
    const std::string upper = WriteImageFile("Radio.clf", MarkedImage(1));
    const std::string lower = WriteImageFile("radio.clf", MarkedImage(2));
    ASSERT_EQ(doc->OpenFile(upper), ClfOk);
    Edit(kMark, 0x66);
    box.Answer(cmcMbResult::Yes);  // saves over Radio.clf, then opens radio.clf
    ASSERT_EQ(doc->OpenFile(lower), ClfOk);
    EXPECT_EQ(log, (std::vector<std::string>{AskFor("Radio.clf")}));
    cmcEeprom saved;
    ASSERT_TRUE(ReadImageFile(upper, saved));
    EXPECT_EQ(saved.GetByte(kMark), 0x66);
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 2);
}

TEST_F(FileCommandsTest, NoDiscardsCancelAborts) {
    const std::string other = WriteImageFile("other.clf", MarkedImage(9));
    Edit(kMark, 0x55);
    box.Answer(cmcMbResult::Cancel);
    EXPECT_EQ(doc->OpenFile(other), indDocument::OpenCancelled);
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 0x55);
    EXPECT_TRUE(doc->IsModified());
    box.Answer(cmcMbResult::Cancel);
    EXPECT_FALSE(doc->NewFile());
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 0x55);

    box.Answer(cmcMbResult::No);
    ASSERT_TRUE(doc->NewFile());
    EXPECT_TRUE(doc->WorkingImage().IsEqual(doc->TemplateImage()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(FileCommandsTest, CancelledOrFailedSaveInsideTheQuestionAborts) {
    const std::string other = WriteImageFile("other.clf", MarkedImage(9));
    Edit(kMark, 0x55);
    box.Answer(cmcMbResult::Yes);
    chooser.Answer("");  // the save dialog is cancelled
    EXPECT_EQ(doc->OpenFile(other), indDocument::OpenCancelled);
    EXPECT_EQ(log, (std::vector<std::string>{AskFor("Untitled"), "save-dialog"}));

    log.clear();
    box.Answer(cmcMbResult::Yes);
    chooser.Answer(dir.File("missing/x.clf"));
    EXPECT_FALSE(doc->NewFile());
    EXPECT_EQ(log, (std::vector<std::string>{
                       AskFor("Untitled"), "save-dialog",
                       FileError("GI_Mess_FileErr_FileOpen", dir.File("missing/x.clf"), 0,
                                 std::strerror(ENOENT))}));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->IsUntitled());
    EXPECT_EQ(settingsStore.Recent().Count(), 0);
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 0x55);
}

TEST_F(FileCommandsTest, NewOnATitledFileSavesWithoutDialog) {
    const std::string current = WriteImageFile("current.clf", MarkedImage(1));
    ASSERT_EQ(doc->OpenFile(current), ClfOk);
    Edit(kMark, 0x66);
    box.Answer(cmcMbResult::Yes);
    int sheetsClosed = 0;
    indDocumentHooks hooks;
    hooks.closeSheet = [&] { ++sheetsClosed; };
    doc->SetHooks(hooks);
    ASSERT_TRUE(doc->NewFile());
    EXPECT_EQ(log, (std::vector<std::string>{AskFor("current.clf")}));
    EXPECT_TRUE(doc->IsUntitled());
    EXPECT_EQ(sheetsClosed, 1);
    cmcEeprom saved;
    ASSERT_TRUE(ReadImageFile(current, saved));
    EXPECT_EQ(saved.GetByte(kMark), 0x66);
}

TEST_F(FileCommandsTest, SaveAsAndOpenDialogUseTheChooser) {
    EXPECT_FALSE(doc->Save());  // untitled: Save As, whose dialog is cancelled
    chooser.Answer(dir.File("first.clf"));
    ASSERT_TRUE(doc->Save());
    Edit(kMark, 0x21);
    ASSERT_TRUE(doc->Save());  // titled: no dialog
    EXPECT_EQ(log, (std::vector<std::string>{"save-dialog", "save-dialog"}));
    EXPECT_EQ(chooser.lastProposedName, "Untitled");

    chooser.Answer(dir.File("first.clf"));
    EXPECT_TRUE(doc->OpenFileDialog());
    EXPECT_EQ(doc->WorkingImage().GetByte(kMark), 0x21);
    EXPECT_TRUE(doc->OpenRecent(0));
    EXPECT_FALSE(doc->OpenRecent(5));
}

TEST_F(FileCommandsTest, FailedSaveKeepsNameFlagAndRecentList) {
    const std::string current = WriteImageFile("current.clf", MarkedImage(1));
    ASSERT_EQ(doc->OpenFile(current), ClfOk);
    Edit(kMark, 0x66);
    EXPECT_FALSE(doc->SaveToFile(dir.File("missing/x.clf")));
    EXPECT_EQ(doc->CurrentPath(), current);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(settingsStore.Recent().Count(), 1);
}

}  // namespace
