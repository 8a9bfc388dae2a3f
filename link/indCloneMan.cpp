#include "indCloneMan.h"

#include "CloneErrors.h"
#include "SerialProblem.h"
#include "SpeedChangeText.h"
#include "cmcEeprom.h"

namespace {

struct LinkSetUp {
    const char* settings;
    int commandPreamble;
    int dataPreamble;
    std::string (*speedChange)(int modelCode);
};

// Low speed: opened at 38400 the radio is told to go to 9600; high speed the other way.
constexpr LinkSetUp kLowSpeed = {"9600,N,8,1", 12, 0, SpeedChangeForm38400};
constexpr LinkSetUp kHighSpeed = {"38400,N,8,1", 48, 12, SpeedChangeForm9600};

}  // namespace

indCloneMan::indCloneMan(std::unique_ptr<cmcSerialDevice> device, cmcTimerHost* host)
    : driver_(std::move(device), host), task_(host) {
    task_->SetCallback([this](cmcTask&) { Poll(); });
}

indCloneMan::~indCloneMan() {
    task_.Reset();
}

bool indCloneMan::StartInformation(Completion completion) {
    return Start(CloneOperation::Information, false, {}, nullptr, std::move(completion));
}

bool indCloneMan::StartRead(const std::vector<AddressRange>& ranges, Completion completion) {
    return Start(CloneOperation::Read, true, ranges, nullptr, std::move(completion));
}

bool indCloneMan::StartWrite(const cmcEeprom& image, const std::vector<AddressRange>& ranges,
                             Completion completion) {
    return Start(CloneOperation::Write, true, ranges, &image, std::move(completion));
}

bool indCloneMan::Start(CloneOperation operation, bool transfer,
                        const std::vector<AddressRange>& ranges, const cmcEeprom* image,
                        Completion completion) {
    if (IsBusy()) {
        return false;
    }
    const indLinkSettings settings = settings_ ? settings_() : indLinkSettings{};
    SetUpLink(transfer && settings.speedHigh, settings);
    auto done = [this](dst_CDrv_Result& r) { DriverDone(r); };
    bool started = false;
    switch (operation) {
        case CloneOperation::Information:
            started = driver_.StartInformation(done);
            break;
        case CloneOperation::Read:
            started = driver_.StartRead(ranges, done);
            break;
        default:
            started = driver_.StartWrite(*image, ranges, done);
            break;
    }
    if (!started) {
        return false;
    }
    if (stopRequest_ && stopRequest_()) {
        Stop();  // ends at the driver's first step, before anything is sent
    }
    operation_ = operation;
    totalBytes_ = transfer ? RangeBytes(ranges) : 0;
    completion_ = std::move(completion);
    indCloneManHost& host = host_ != nullptr ? *host_ : defaultHost_;
    host.EnableMainWindow(false);
    if (transfer) {
        host.ShowProgress();
        progressShown_ = true;
    }
    task_->SetInterval(ProgressPeriodMs);
    return true;
}

void indCloneMan::SetUpLink(bool highSpeed, const indLinkSettings& settings) {
    const LinkSetUp& setUp = highSpeed ? kHighSpeed : kLowSpeed;
    driver_.SetDevicePattern(settings.devicePattern);
    driver_.SetPort(settings.port, setUp.settings);
    driver_.SetPreambles(setUp.commandPreamble, setUp.dataPreamble);
    driver_.SetSpeedChangeText(setUp.speedChange(MemoryMap::ModelCode));
}

void indCloneMan::Poll() {
    if (IsBusy() && stopRequest_ && stopRequest_()) {
        Stop();
    }
    if (progressShown_ && host_ != nullptr) {
        host_->UpdateProgress(Progress());
    }
    if (!IsBusy()) {
        task_->SetInterval(-1);
    }
}

void indCloneMan::DriverDone(dst_CDrv_Result& result) {
    // The progress ends before any message (the handlers' too), so that each message stands alone.
    indCloneManHost& host = host_ != nullptr ? *host_ : defaultHost_;
    if (progressShown_) {
        host.UpdateProgress(Progress());
        host.HideProgress();
        progressShown_ = false;
    }
    task_->SetInterval(-1);
    if (result.kind == CloneOperation::Information) {
        if (informationHandler_) {
            informationHandler_(result);
        } else {
            result.code = CloneResult::WrongRadio;
        }
    } else if (result.kind == CloneOperation::Read) {
        if (readHandler_) {
            readHandler_(result);
        } else {
            result.code = CloneResult::MissingData;
        }
    }
    const std::string device = driver_.DevicePath();
    CloneErrorContext context{driver_.PortNumber(), device,
                              result.kind == CloneOperation::Write && driver_.DataBytesDone() > 0,
                              SerialProblemText(result.code, device, driver_.Port().LastError()),
                              hintTexts_};
    if (errorSink_ && result.code != CloneResult::Success) {
        errorSink_(CodeNumber(result.code), context);
    } else {
        CloneErrors::ShowCloneError(CodeNumber(result.code), context);
    }
    host.EnableMainWindow(true);
    Completion completion = std::move(completion_);
    completion_ = nullptr;
    if (completion) {
        completion(result);
    }
}
