// The document's state: start-up from the template, modified flag, title,
// model change and the initial-file failure path.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "DocTestSupport.h"
#include "ModelType.h"
#include "ScopedOverride.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcScriptedMessageBox.h"
#include "cmcThrowingErrorBox.h"

namespace {

class DocumentTest : public ::testing::Test, public DocFixture {};

TEST_F(DocumentTest, StartsUntitledFromTheTemplate) {
    EXPECT_EQ(doc->ModelType(), ModelLmr);
    EXPECT_TRUE(doc->WorkingImage().IsEqual(doc->TemplateImage()));
    EXPECT_TRUE(doc->SavedImage().IsEqual(doc->TemplateImage()));
    EXPECT_TRUE(doc->CompareBase().IsEqual(doc->TemplateImage()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->IsUntitled());
    EXPECT_EQ(doc->CurrentPath(), doc->LastDirectory() + "/Untitled");
    EXPECT_EQ(doc->Title(), "Untitled - " + GTex().GetText("GI_Sys_AppTitle"));
}

TEST_F(DocumentTest, StoredModelTypeChoosesTheTemplate) {
    settingsStore.SetModelType(2);
    indDocument biis(&settingsStore);
    biis.Start();
    EXPECT_EQ(biis.ModelType(), ModelBiisPmr);
    EXPECT_EQ(ModelTypeOfImage(biis.TemplateImage()), ModelBiisPmr);

    settingsStore.SetModelType(7);
    indDocument fallback(&settingsStore);
    fallback.Start();
    EXPECT_EQ(fallback.ModelType(), ModelLmr);
    EXPECT_EQ(settingsStore.ModelType(), ModelLmr);
}

TEST_F(DocumentTest, ModifiedFlagFollowsEditsUntilCleared) {
    int titles = 0;
    indDocumentHooks hooks;
    hooks.titleChanged = [&] { ++titles; };
    doc->SetHooks(hooks);
    doc->CheckModified();
    EXPECT_FALSE(doc->IsModified());
    Edit(0x0500, 0x12);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(titles, 1);
    // Undoing the edit by hand leaves the flag set.
    Edit(0x0500, doc->SavedImage().GetByte(0x0500));
    EXPECT_TRUE(doc->IsModified());
    doc->ClearModified();
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->SavedImage().IsEqual(doc->WorkingImage()));
}

TEST_F(DocumentTest, ModelChangeAsksAndCancelKeepsEverything) {
    Edit(0x0500, 0x12);
    box.Answer(cmcMbResult::Cancel);
    EXPECT_FALSE(doc->ChangeModelType(ModelPmr, true));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "box:" + GTex().GetLines("GI_AppMess_ChangeModel"));
    EXPECT_EQ(doc->ModelType(), ModelLmr);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->WorkingImage().GetByte(0x0500), 0x12);
}

TEST_F(DocumentTest, ModelChangeReplacesTheImageWithTheNewTemplate) {
    int rebuilt = 0;
    indDocumentHooks hooks;
    hooks.modelChanged = [&] { ++rebuilt; };
    doc->SetHooks(hooks);
    ASSERT_EQ(doc->OpenFile(WriteImageFile("a.clf", doc->WorkingImage())), ClfOk);
    Edit(0x0500, 0x12);
    box.Answer(cmcMbResult::Ok);
    EXPECT_TRUE(doc->ChangeModelType(ModelPmr, true));
    EXPECT_EQ(doc->ModelType(), ModelPmr);
    EXPECT_EQ(settingsStore.ModelType(), ModelPmr);
    EXPECT_EQ(ModelTypeOfImage(doc->TemplateImage()), ModelPmr);
    EXPECT_TRUE(doc->WorkingImage().IsEqual(doc->TemplateImage()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->IsUntitled());
    EXPECT_EQ(rebuilt, 1);

    log.clear();
    EXPECT_FALSE(doc->ChangeModelType(ModelPmr, true));  // same type: nothing, not even a question
    EXPECT_FALSE(doc->ChangeModelType(3, true));
    EXPECT_TRUE(log.empty());
}

TEST_F(DocumentTest, RadioIdentityAndMakerMode) {
    EXPECT_FALSE(doc->HasRadioIdentity());
    RadioIdentity radio;
    radio.mapRevision = 2;
    radio.cloneInfo[34] = 0x40;
    doc->SetRadioIdentity(radio);
    EXPECT_TRUE(doc->HasRadioIdentity());
    EXPECT_EQ(doc->Radio().mapRevision, 2);
    EXPECT_TRUE(doc->Radio().AcceptsOffGridChannels());
    EXPECT_FALSE(doc->MakerMode());
    doc->EnableMakerMode();
    EXPECT_TRUE(doc->MakerMode());
}

TEST_F(DocumentTest, TemplateFileNeedsTheWholeLongMap) {
    const std::string headerOnly = dir.File("header.clf");
    WriteWholeFile(headerOnly, "23360300\r\n#\r\n");
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    EXPECT_EQ(indDocument::LoadTemplateFile(headerOnly, image), ClfCoverage);
    EXPECT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(ModelPmr), image), ClfOk);
}

TEST(DocumentStartTest, MissingInitialFileEndsTheProgram) {
    const std::vector<std::string> overlay = {
        "#GI_Sys_AppTitle",
        "Orvane",
        "#GI_App_InitialFile",
        "no-such-template.clf",
        "#GI_Mess_FileErr_Headline",
        "Headline",
        "#GI_Mess_FileErr_FileOpen",
        "Cannot open",
        "#GI_Mess_FileErr_File",
        "in %s",
        "#End_Of_Ovl",
    };
    cmcGTex table;
    table.SetLines(&overlay);
    ScopedOverride tableOverride(SetGTex, &table);
    cmcScriptedMessageBox boxes;
    ScopedOverride boxOverride(SetCurrentMessageBoxHost, &boxes);
    cmcScopedThrowingErrorBox fatal;

    indDocument doc;
    std::string fatalText;
    try {
        doc.Start();
    } catch (const cmcInternalErrorException& e) {
        fatalText = e.what();
    }

    EXPECT_EQ(fatalText, "Cannot open '" + ProgramDirectory() + "no-such-template.clf'.");
    ASSERT_EQ(boxes.Boxes().size(), 1u);  // the clone-file message comes first
    EXPECT_EQ(boxes.Boxes()[0].text, "Headline\n\nCannot open\n" +
                                         std::string(std::strerror(ENOENT)) + "\nin " +
                                         ProgramDirectory() + "no-such-template.clf");
}

}  // namespace
