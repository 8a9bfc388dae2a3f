#include "indDocument.h"

#include "DataDirectory.h"
#include "EventIds.h"
#include "ModelAdapter.h"
#include "NormalizeImage.h"
#include "Path.h"
#include "cmcClfFile.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "indEnviron.h"

static_assert(MemoryMap::ImageSize >= MemoryMap::MapExtent, "the image must hold the whole map");

namespace {

constexpr char kUntitled[] = "Untitled";

bool IsModelType(int type) {
    return type >= 0 && type < ModelTypeCount;
}

}  // namespace

indDocument::indDocument(indEnviron* settings)
    : environ_(settings), lastDirectory_(Path::CurrentDirectory()) {
    working_.Resize(MemoryMap::ImageSize);
    template_.Assign(working_);
    saved_.Assign(working_);
    compare_.Assign(working_);
}

void indDocument::Start() {
    const int stored = environ_ != nullptr ? environ_->ModelType() : ModelLmr;
    modelType_ = IsModelType(stored) ? stored : ModelLmr;
    SetModelTypeSetting(modelType_);
    LoadInitialFile(modelType_);
    working_.Assign(template_);
    ClearModified();
    compare_.Assign(template_);
}

void indDocument::SetModified() {
    modified_ = true;
    UpdateTitle();
}

void indDocument::ClearModified() {
    saved_.Assign(working_);
    modified_ = false;
    UpdateTitle();
}

void indDocument::CheckModified() {
    if (!modified_ && !working_.IsEqual(saved_)) {
        SetModified();
    }
}

void indDocument::SetFileName(const std::string& path) {
    fileName_ = path.empty() ? std::string() : Path::PathAbsolute(path);
    UpdateTitle();
}

std::string indDocument::CurrentPath() const {
    return IsUntitled() ? Path::PathJoin(lastDirectory_, kUntitled) : fileName_;
}

std::string indDocument::Title() const {
    return Path::PathFileName(CurrentPath()) + " - " + GTex().GetText("GI_Sys_AppTitle");
}

void indDocument::UpdateTitle() {
    if (hooks_.titleChanged) {
        hooks_.titleChanged();
    }
}

void indDocument::CloseSheet() {
    if (hooks_.closeSheet) {
        hooks_.closeSheet();
    }
}

void indDocument::Busy(bool on) {
    if (hooks_.busyCursor) {
        hooks_.busyCursor(on);
    }
}

void indDocument::SetModelTypeSetting(int type) {
    if (environ_ != nullptr) {
        environ_->SetModelType(type);
    }
}

bool indDocument::ChangeModelType(int type, bool ask) {
    if (type == modelType_ || !IsModelType(type)) {
        return false;
    }
    if (ask && ShowMessage(GTex().GetLines("GI_AppMess_ChangeModel"), cmcMbButtons::OkCancel,
                           cmcMbIcon::Warning) != cmcMbResult::Ok) {
        return false;
    }
    modelType_ = type;
    SetModelTypeSetting(type);
    LoadInitialFile(type);
    if (ask) {
        working_.Assign(template_);
        ClearModified();
        SetFileName("");
    }
    if (hooks_.modelChanged) {
        hooks_.modelChanged();
    }
    return true;
}

void indDocument::AfterImageLoaded(cmcEeprom& image) {
    undo_.Clear();  // an opened or read image starts a new history
    ChangeModelType(ModelTypeOfImage(image), false);
    NormalizeImage(image);
    EvMan().Post(EventIds::ImageReplaced, nullptr, 0);
}

const indUndoRecord* indDocument::Undo() {
    const indUndoRecord* step = undo_.Undo(working_);
    return AfterUndoStep(step, step != nullptr ? step->modelBefore : modelType_);
}

const indUndoRecord* indDocument::Redo() {
    const indUndoRecord* step = undo_.Redo(working_);
    return AfterUndoStep(step, step != nullptr ? step->modelAfter : modelType_);
}

const indUndoRecord* indDocument::AfterUndoStep(const indUndoRecord* step, int modelType) {
    if (step == nullptr) {
        return nullptr;
    }
    ChangeModelType(modelType, false);
    if (working_.IsEqual(saved_)) {
        modified_ = false;
        UpdateTitle();
    } else {
        SetModified();
    }
    EvMan().Post(EventIds::ImageReplaced, nullptr, 0);
    return step;
}

void indDocument::NormalizeImage(cmcEeprom& image) const {
    ::NormalizeImage(image, template_, modelType_);
}

bool indDocument::CorrectChannels(cmcEeprom& image) const {
    return ::CorrectChannels(image, template_, modelType_, radio_, makerMode_);
}

void indDocument::SetRadioIdentity(const RadioIdentity& radio) {
    radio_ = radio;
    hasRadio_ = true;
}

std::string indDocument::InitialFilePath(int modelType) {
    return DataDirectory::DataDirectory() + GTex().GetText("GI_App_InitialFile", modelType);
}

int indDocument::LoadTemplateFile(const std::string& path, cmcEeprom& image) {
    cmcClfFile file;
    file.AttachTarget(&image);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetHeaderCheck(ModelAdapter::DocCheckFileHeader);
    const auto ranges = GetAddressRanges(RangePurpose::InitialFile, MemoryMap::LongMapRevision);
    return file.LoadFile(path, &ranges);
}

void indDocument::LoadInitialFile(int modelType) {
    const std::string path = InitialFilePath(modelType);
    if (LoadTemplateFile(path, template_) != ClfOk) {
        cmcInternalError("Cannot open '" + path + "'.");
    }
}
