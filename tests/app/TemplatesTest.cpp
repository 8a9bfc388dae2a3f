// The committed template clone files: each is what the generator makes from
// the description, and each is a valid initial file of its model type.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ClfTestSupport.h"
#include "ImageChecks.h"
#include "ModelType.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "indDocument.h"

namespace {

const std::string kSourceData = ORVANE_SOURCE_DATA;

TEST(TemplatesTest, RegeneratingGivesIdenticalFiles) {
    ScratchDir out;
    const std::string command = ProgramDirectory() + "make-templates " + kSourceData +
                                "/templates.txt " + kSourceData + "/ORVANE.OVL " + out.Path();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (int type = 0; type < ModelTypeCount; ++type) {
        const std::string name = GTex().GetText("GI_App_InitialFile", type);
        const std::string committed = ReadWholeFile(kSourceData + "/" + name);
        ASSERT_FALSE(committed.empty()) << name;
        EXPECT_EQ(ReadWholeFile(out.File(name)), committed) << name;
    }
}

TEST(TemplatesTest, EachTemplateIsAValidImageOfItsModelType) {
    for (int type = 0; type < ModelTypeCount; ++type) {
        cmcEeprom image;
        image.Resize(MemoryMap::ImageSize);
        ASSERT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(type), image), ClfOk);
        EXPECT_EQ(ModelTypeOfImage(image), type);
        EXPECT_TRUE(CheckImageData(image, true));
        EXPECT_EQ(image.GetByte(MemoryMap::AdrMapRevision), MemoryMap::LongMapRevision);
        int total = 0;
        for (int bank = 0; bank < 16; ++bank) {
            total += image.GetByte(0x0100 + 2 * bank) * 256 + image.GetByte(0x0101 + 2 * bank);
        }
        EXPECT_EQ(total, 64);  // room for 192 channels added on the bank sheets
        for (int ch = 0; ch < 256; ++ch) {
            ASSERT_EQ(image.GetByte(0x0400 + 20 * ch), 0xFF) << "channel " << ch << " not blank";
        }
    }
}

TEST(TemplatesTest, DescriptionErrorsStopTheGenerator) {
    ScratchDir out;
    WriteWholeFile(out.File("bad.txt"), "model all\nbytes 0x4000 01\n");
    const std::string command = ProgramDirectory() + "make-templates " + out.File("bad.txt") + " " +
                                kSourceData + "/ORVANE.OVL " + out.Path() + " 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_TRUE(ReadWholeFile(out.File(GTex().GetText("GI_App_InitialFile", 0))).empty());
}

}  // namespace
