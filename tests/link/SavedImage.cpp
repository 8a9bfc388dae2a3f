#include "SavedImage.h"

#include <gtest/gtest.h>

#include "ClfResult.h"
#include "ClfTestSupport.h"
#include "MemoryMap.h"
#include "ModelType.h"
#include "cmcClfFile.h"
#include "datCh.h"
#include "indDocument.h"

const std::string& OwnTempDir() {
    static const ScratchDir dir;
    static const std::string path = dir.Path() + "/";
    return path;
}

std::string SavedImage(int model, const std::string& name, void (*change)(cmcEeprom&)) {
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    EXPECT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(model), image), ClfOk);
    datCh channel(&image);
    channel.Decode(ChannelKindOf(model), 0);
    channel.SetUsed(true);
    channel.SetRxFreq(446006250);
    channel.SetTxFreq(446006250);
    channel.Encode();
    change(image);
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    const std::string path = OwnTempDir() + name;
    WriteWholeFile(path, file.FormatText({{0, MemoryMap::LongMapEnd}}));
    return path;
}
