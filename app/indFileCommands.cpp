// The file commands of the document: New, Open, Save, Save As and the
// unsaved-changes question that comes before replacing the working image.

#include "CloneFileComment.h"
#include "EventIds.h"
#include "ImageChecks.h"
#include "ModelAdapter.h"
#include "Path.h"
#include "cmcClfFile.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "indDocument.h"
#include "indEnviron.h"
#include "indFileChooser.h"

namespace {

// Sent, not posted: an open editor must commit its half-typed value before
// the image is saved, replaced or compared, not on the next pump.
void CommitEdits() {
    EvMan().Send(EventIds::CommitEdits, nullptr, 0);
}

// pattern with its first "%s" replaced by text and "%%" read as "%".
std::string FormatWithText(const std::string& pattern, const std::string& text) {
    std::string out;
    bool used = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (pattern[i + 1] == 's' && !used) {
                out += text;
                used = true;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

// The hourglass for the lifetime of the object.
class BusyScope {
  public:
    explicit BusyScope(const std::function<void(bool)>& busy) : busy_(busy) {
        if (busy_) {
            busy_(true);
        }
    }
    ~BusyScope() {
        if (busy_) {
            busy_(false);
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    const std::function<void(bool)>& busy_;
};

}  // namespace

cmcMbResult indDocument::ConfirmSave(bool another) {
    CommitEdits();
    const std::string text = another ? GTex().GetText("GI_Mess_Confirm_WriteAnother")
                                     : FormatWithText(GTex().GetText("GI_Mess_Confirm_WriteFile"),
                                                      Path::PathFileName(CurrentPath()));
    if (!modified_) {
        return cmcMbResult::Yes;
    }
    const cmcMbResult answer = ShowMessage(text, cmcMbButtons::YesNoCancel, cmcMbIcon::Warning);
    if (answer == cmcMbResult::No) {
        return answer;
    }
    if (answer != cmcMbResult::Yes) {
        return cmcMbResult::Cancel;
    }
    const bool saved = (IsUntitled() || another) ? SaveAs() : SaveToFile(CurrentPath());
    return saved ? cmcMbResult::Yes : cmcMbResult::Cancel;
}

bool indDocument::NewFile() {
    if (ConfirmSave(false) == cmcMbResult::Cancel) {
        return false;
    }
    working_.Assign(template_);
    undo_.Clear();
    ClearModified();
    SetFileName("");
    CloseSheet();
    return true;
}

bool indDocument::OpenFileDialog() {
    CommitEdits();
    std::string path;
    if (chooser_ == nullptr || !chooser_->ChooseOpenFile(lastDirectory_, path)) {
        return false;
    }
    return OpenFile(path) == ClfOk;
}

bool indDocument::OpenRecent(int index) {
    if (environ_ == nullptr) {
        return false;
    }
    const std::string path = environ_->Recent().Entry(index);
    return !path.empty() && OpenFile(path) == ClfOk;
}

int indDocument::ReadForOpen(const std::string& path, cmcEeprom& scratch) const {
    scratch.Resize(working_.Size());
    cmcClfFile file;
    file.AttachTarget(&scratch);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetHeaderCheck(ModelAdapter::DocCheckFileHeader);
    int code = file.LoadFile(path, nullptr);
    if (code != ClfOk) {
        return code;  // the reader has shown its message
    }
    if (!CheckImageData(scratch, false)) {
        code = ClfData;
    } else if (IsImageNewer(scratch)) {
        code = ClfNewer;
    } else {
        const bool longMap =
            scratch.GetByte(MemoryMap::AdrMapRevision) == MemoryMap::LongMapRevision;
        code = file.CheckCoverage({{0, longMap ? MemoryMap::LongMapEnd : MemoryMap::ShortMapEnd}});
    }
    ShowFileError(code, {path});
    return code;
}

int indDocument::OpenFile(const std::string& requested) {
    const std::string path = Path::PathAbsolute(requested);
    if (ConfirmSave(cmcRecent::SamePath(path, CurrentPath())) == cmcMbResult::Cancel) {
        return OpenCancelled;
    }
    const BusyScope busy(hooks_.busyCursor);
    cmcEeprom scratch;
    const int code = ReadForOpen(path, scratch);
    if (code != ClfOk) {
        return code;
    }
    lastDirectory_ = Path::PathDirectory(path);
    SetFileName(path);
    AddToRecent(path);
    working_.Assign(scratch);
    AfterImageLoaded(working_);
    ClearModified();
    CloseSheet();
    EvMan().Post(EventIds::ImageReplaced, nullptr, 0);
    return ClfOk;
}

bool indDocument::Save() {
    return IsUntitled() ? SaveAs() : SaveToFile(CurrentPath());
}

bool indDocument::SaveAs() {
    std::string path;
    if (chooser_ == nullptr ||
        !chooser_->ChooseSaveFile(lastDirectory_, Path::PathFileName(CurrentPath()), path)) {
        return false;
    }
    return SaveToFile(path);
}

bool indDocument::SaveToFile(const std::string& requested) {
    const std::string path = Path::PathAbsolute(requested);
    CommitEdits();
    NormalizeImage(working_);
    const BusyScope busy(hooks_.busyCursor);
    cmcClfFile file;
    file.AttachTarget(&working_);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetComment(CloneFileComment::BuildClfComment(working_));
    if (file.SaveFile(path, GetAddressRanges(RangePurpose::FileSave, MemoryMap::LongMapRevision)) !=
        ClfOk) {
        return false;  // the writer has shown its message
    }
    lastDirectory_ = Path::PathDirectory(path);
    SetFileName(path);
    AddToRecent(path);
    ClearModified();
    return true;
}

void indDocument::AddToRecent(const std::string& path) {
    if (environ_ != nullptr) {
        environ_->Recent().AddToFront(path);
    }
}
