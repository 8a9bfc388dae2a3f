#include "DocTestSupport.h"

#include "EventIds.h"
#include "cmcClfFile.h"
#include "cmcScriptedMessageBox.h"

bool ScriptedChooser::Next(std::string& path) {
    if (answers_.empty()) {
        return false;
    }
    path = answers_.front();
    answers_.pop_front();
    return !path.empty();
}

bool ScriptedChooser::ChooseOpenFile(const std::string& /*directory*/, std::string& path) {
    log_.push_back("open-dialog");
    return Next(path);
}

bool ScriptedChooser::ChooseSaveFile(const std::string& /*directory*/, const std::string& name,
                                     std::string& path) {
    log_.push_back("save-dialog");
    lastProposedName = name;
    return Next(path);
}

cmcMbResult LoggingMessageBox::Show(const std::string& caption, const std::string& text,
                                    cmcMbButtons buttons, cmcMbIcon icon) {
    log_.push_back("box:" + text);
    return cmcScriptedMessageBox::Show(caption, text, buttons, icon);
}

DocFixture::DocFixture() {
    events.AddListener(&DocFixture::OnEvent, this);
    doc = std::make_unique<indDocument>(&settingsStore);
    doc->SetFileChooser(&chooser);
    doc->Start();
    PumpEvents();
    log.clear();
}

DocFixture::~DocFixture() {
    doc.reset();
    events.RemoveListener(&DocFixture::OnEvent, this);
}

void DocFixture::OnEvent(void* self, const cmcEvent& event) {
    auto* fixture = static_cast<DocFixture*>(self);
    if (event.kind == EventIds::CommitEdits) {
        ++fixture->commits;
        return;
    }
    fixture->log.push_back("ev:" + std::to_string(event.kind));
}

void DocFixture::PumpEvents() {
    events.Pump();
}

std::string DocFixture::WriteImageFile(const std::string& name, const cmcEeprom& image,
                                       const std::string& header) {
    cmcEeprom copy;
    copy.Assign(image);
    cmcClfFile file;
    file.AttachTarget(&copy);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    std::string text = file.FormatText({{0, MemoryMap::LongMapEnd}});
    text.replace(0, 8, header);
    const std::string path = dir.File(name);
    WriteWholeFile(path, text);
    return path;
}

void DocFixture::Edit(int address, uint8_t value) {
    doc->WorkingImage().SetByte(address, value);
    doc->CheckModified();
}

bool DocFixture::ReadImageFile(const std::string& path, cmcEeprom& image) {
    image.Resize(MemoryMap::ImageSize);
    return indDocument::LoadTemplateFile(path, image) == ClfOk;
}
