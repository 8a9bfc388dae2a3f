#include "indCloneCommands.h"

#include "ChBanks.h"
#include "EventIds.h"
#include "MapConversion.h"
#include "ModelType.h"
#include "RadioChecks.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "indCloneMan.h"
#include "indDocument.h"

namespace {

void ShowStop(const char* name) {
    ShowMessage(GTex().GetLines(name), cmcMbButtons::Ok, cmcMbIcon::Stop);
}

bool Confirmed(const char* name) {
    return ShowMessage(GTex().GetLines(name), cmcMbButtons::OkCancel, cmcMbIcon::Warning) ==
           cmcMbResult::Ok;
}

}  // namespace

indCloneCommands::indCloneCommands(indDocument& document, indCloneMan& manager)
    : document_(document), manager_(manager) {
    manager_.SetInformationHandler([this](dst_CDrv_Result& result) {
        RadioIdentity radio;
        if (RadioChecks::TakeRadioIdentity(result, radio)) {
            document_.SetRadioIdentity(radio);
        }
    });
    manager_.SetReadHandler([](dst_CDrv_Result& result) { RadioChecks::CheckReadImage(result); });
}

bool indCloneCommands::StartCommand(void (indCloneCommands::*afterInformation)(dst_CDrv_Result&)) {
    if (manager_.IsBusy()) {
        return false;
    }
    manager_.SetIdentity(MemoryMap::ModelCode, 0);
    if (!manager_.StartInformation(
            [this, afterInformation](dst_CDrv_Result& r) { (this->*afterInformation)(r); })) {
        return false;
    }
    running_ = true;
    outcome_ = NotCompleted;
    return true;
}

void indCloneCommands::Finish(int outcome) {
    running_ = false;
    secondInformation_ = false;
    imageOnly_ = false;
    outcome_ = outcome;
    if (finished_) {
        finished_(outcome);
    }
}

// --- Clone Read

bool indCloneCommands::CloneRead() {
    if (document_.ConfirmSave(false) == cmcMbResult::Cancel) {
        return false;
    }
    imageOnly_ = false;
    return StartCommand(&indCloneCommands::ReadAfterInformation);
}

bool indCloneCommands::ReadRadioImage() {
    imageOnly_ = true;
    imageOnly_ = StartCommand(&indCloneCommands::ReadAfterInformation);
    return imageOnly_;
}

void indCloneCommands::ReadAfterInformation(dst_CDrv_Result& result) {
    if (result.code != CloneResult::Success || manager_.IsBusy()) {
        Finish(CodeNumber(result.code));
        return;
    }
    const std::vector<AddressRange> ranges =
        GetAddressRanges(RangePurpose::CloneRead, document_.Radio().mapRevision);
    manager_.SetImageSize(document_.WorkingImage().Size());
    transferRanges_ = ranges;
    if (!manager_.StartRead(ranges, [this](dst_CDrv_Result& r) { ReadDone(r); })) {
        Finish(NotCompleted);
    }
}

void indCloneCommands::ReadDone(dst_CDrv_Result& result) {
    if (result.code == CloneResult::Success) {
        transferImage_.Assign(result.image);
    }
    if (result.code == CloneResult::Success && !imageOnly_) {
        cmcEeprom& working = document_.WorkingImage();
        working.Assign(result.image);
        document_.AfterImageLoaded(working);
        document_.SetModified();
        document_.SetFileName("");
        if (hooks_.closeSheet) {
            hooks_.closeSheet();
        }
        EvMan().Post(EventIds::ImageReplaced, nullptr, 0);
    }
    Finish(CodeNumber(result.code));
}

// --- Clone Write

bool indCloneCommands::CloneWrite() {
    // Sent: open editors commit before the image to write is prepared.
    EvMan().Send(EventIds::CommitEdits, nullptr, 0);
    secondInformation_ = false;
    return StartCommand(&indCloneCommands::WriteStep);
}

void indCloneCommands::WriteStep(dst_CDrv_Result& result) {
    if (result.code != CloneResult::Success || manager_.IsBusy()) {
        Finish(CodeNumber(result.code));
        return;
    }
    const indCheckCounts counts = check_ ? check_() : indCheckCounts{};
    if (counts.errors > 0) {
        ShowStop("GI_Mess_DataError");
        Finish(NotCompleted);
        return;
    }
    const RadioIdentity& radio = document_.Radio();
    if (document_.ModelType() == ModelBiisPmr && radio.mapRevision != MemoryMap::LongMapRevision) {
        ShowStop("GI_Mess_CloneErr2379_Head");
        Finish(NotCompleted);
        return;
    }
    if (!secondInformation_) {
        // The radio is asked twice before every write.
        secondInformation_ = true;
        if (!manager_.StartInformation([this](dst_CDrv_Result& r) { WriteStep(r); })) {
            Finish(NotCompleted);
        }
        return;
    }
    secondInformation_ = false;
    const std::vector<AddressRange> ranges =
        GetAddressRanges(document_.MakerMode() ? RangePurpose::CloneRead : RangePurpose::CloneWrite,
                         radio.mapRevision);
    if (!PrepareAndWrite(ranges)) {
        Finish(NotCompleted);
    }
}

bool indCloneCommands::PrepareAndWrite(const std::vector<AddressRange>& ranges) {
    cmcEeprom& working = document_.WorkingImage();
    cmcEeprom backup;
    backup.Assign(working);
    manager_.SetImageSize(working.Size());
    const RadioIdentity& radio = document_.Radio();
    const bool replaced = document_.CorrectChannels(working);
    document_.NormalizeImage(working);
    if (radio.mapRevision < MapConversion::FirstCurrentRevision) {
        MapConversion::ConvertToOldMap(working);
    }
    if (document_.MakerMode()) {
        working.SetByte(MemoryMap::AdrMapRevision, radio.mapRevision);
    }
    bool started = false;
    if (AllBlank(working, ChannelKindOf(document_.ModelType()), 0, 255)) {
        ShowStop("GI_AppMess_CloneErr_NoActualCh");
    } else if (ConfirmWrite(replaced)) {
        // The manager's driver sends its own copy of the prepared image.
        started =
            manager_.StartWrite(working, ranges, [this](dst_CDrv_Result& r) { WriteDone(r); });
        transferRanges_ = ranges;
    }
    // The conversions made for the radio never reach the user's data.
    working.Assign(backup);
    return started;
}

bool indCloneCommands::ConfirmWrite(bool channelsReplaced) const {
    if (document_.MakerMode() && !Confirmed("GI_Mess_Maker_Caution")) {
        return false;
    }
    return Confirmed(channelsReplaced ? "GI_AppMess_CloneWrite25pitch"
                                      : "GI_Mess_Confirm_CloneWrite");
}

void indCloneCommands::WriteDone(dst_CDrv_Result& result) {
    if (result.code == CloneResult::Success) {
        transferImage_.Assign(result.image);
        if (hooks_.closeSheet) {
            hooks_.closeSheet();
        }
        ShowMessage(GTex().GetLines("GI_Mess_CloneWrite_Succeeded"), cmcMbButtons::Ok,
                    cmcMbIcon::Information);
    }
    Finish(CodeNumber(result.code));
}

// --- Clone Information

bool indCloneCommands::CloneInfo() {
    return StartCommand(&indCloneCommands::InfoDone);
}

void indCloneCommands::InfoDone(dst_CDrv_Result& result) {
    if (result.code == CloneResult::Success && hooks_.showCloneInfo) {
        hooks_.showCloneInfo();
    }
    Finish(CodeNumber(result.code));
}
