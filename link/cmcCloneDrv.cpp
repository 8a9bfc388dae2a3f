#include "cmcCloneDrv.h"

#include "CloneCheck.h"
#include "CloneFrames.h"
#include "SpeedChangeText.h"
#include "cmcEeprom.h"

namespace {

using S = cmcCloneState;

bool RangesInside(const std::vector<AddressRange>& ranges, int size) {
    for (const AddressRange& r : ranges) {
        if (r.start < 0 || r.end < r.start || r.end >= size) {
            return false;
        }
    }
    return true;
}

}  // namespace

cmcCloneDrv::cmcCloneDrv(std::unique_ptr<cmcSerialDevice> device, cmcTimerHost* host)
    : port_(std::move(device), host),
      collector_(CloneFrame::MaxRadioFrame),
      dataFrames_(CloneFrame::MaxRadioFrame + 1),
      task_(host) {
    task_->SetCallback([this](cmcTask&) { Tick(); });
}

cmcCloneDrv::~cmcCloneDrv() {
    task_.Reset();
}

void cmcCloneDrv::SetIdentity(int modelWord, int secondWord) {
    modelWord_ = modelWord;
    secondWord_ = secondWord;
}

void cmcCloneDrv::SetPort(int number, const std::string& settings) {
    portNumber_ = number;
    settings_ = settings;
}

void cmcCloneDrv::SetPreambles(int command, int data) {
    commandPreamble_ = command;
    dataPreamble_ = data;
}

bool cmcCloneDrv::StartInformation(Completion completion) {
    return Start(CloneOperation::Information, {}, nullptr, std::move(completion));
}

bool cmcCloneDrv::StartRead(const std::vector<AddressRange>& ranges, Completion completion) {
    if (!RangesInside(ranges, imageSize_)) {
        return false;
    }
    return Start(CloneOperation::Read, ranges, nullptr, std::move(completion));
}

bool cmcCloneDrv::StartWrite(const cmcEeprom& image, const std::vector<AddressRange>& ranges,
                             Completion completion) {
    if (!RangesInside(ranges, image.Size())) {
        return false;
    }
    return Start(CloneOperation::Write, ranges, &image, std::move(completion));
}

bool cmcCloneDrv::Start(CloneOperation operation, const std::vector<AddressRange>& ranges,
                        const cmcEeprom* image, Completion completion) {
    if (IsBusy()) {
        return false;
    }
    result_ = std::make_unique<dst_CDrv_Result>();
    result_->kind = operation;
    result_->modelWord = modelWord_;
    result_->secondWord = secondWord_;
    if (image != nullptr) {
        result_->image.Assign(*image);
    } else {
        result_->image.Resize(imageSize_);
    }
    operation_ = operation;
    bytesOnWire_ = 0;
    frameCount_ = 0;
    dataBytesDone_ = 0;
    ranges_ = ranges;
    rangeIndex_ = 0;
    currentAddress_ = ranges.empty() ? 0 : ranges.front().start;
    speedChangeLeft_ = speedChangeText_;
    collector_.Reset();
    dataFrames_.Reset();
    lastFrame_.Clear();
    pendingFrames_.Clear();
    completion_ = std::move(completion);
    stopRequested_ = false;
    pendingAfterStep_ = 0;
    state_ = S::Start;
    task_->SetInterval(TaskPeriodMs);
    return true;
}

void cmcCloneDrv::Tick() {
    if (stopRequested_ && state_ != S::Idle && state_ < S::Drain) {
        result_->code = CloneResult::Stopped;
        pendingFrames_.Clear();
        state_ = S::Drain;
        ArmTimer(S::Drain);
    }
    stopRequested_ = false;
    if (settle_.IsRunning()) {
        // The line settles after an open without holding up the program's
        // other tasks (the other ports of a fleet write); then what arrived
        // meanwhile is discarded and the state's time-out starts.
        if (settle_.Remaining() > 0) {
            return;
        }
        port_.DiscardInput();
        ArmTimer(state_);
    }
    if (state_ != S::Idle) {
        bool progress = true;
        const cmcCloneState next = Step(progress);
        progress = progress || next != state_;
        state_ = next;
        if (progress) {
            ArmTimer(next);
        } else if (timer_.Remaining() == 0) {
            // A drain that cannot finish ends the exchange with the code it has.
            if (state_ != S::Drain) {
                result_->code = CloneResult::TimeOut;
            }
            state_ = state_ == S::Drain ? S::Done : S::Drain;
        }
    }
    if (state_ != S::Idle && (port_.HasWriteError() || port_.HasReadError())) {
        // A stopped exchange stays stopped, whatever the line did meanwhile.
        if (result_->code != CloneResult::Stopped) {
            result_->code =
                port_.HasWriteError() ? CloneResult::WriteFailed : CloneResult::LineLost;
        }
        state_ = S::Done;
    }
    if (state_ == S::Done) {
        Finish();
    }
}

void cmcCloneDrv::Finish() {
    // Everything is idle before the completion runs, so that it may start the next exchange.
    port_.Close();
    state_ = S::Idle;
    task_->SetInterval(-1);
    std::unique_ptr<dst_CDrv_Result> result = std::move(result_);
    Completion completion = std::move(completion_);
    completion_ = nullptr;
    collector_.Reset();
    dataFrames_.Reset();
    lastFrame_.Clear();
    pendingFrames_.Clear();
    if (completion) {
        completion(*result);
    }
}

void cmcCloneDrv::ArmTimer(cmcCloneState next) {
    if (next == S::WriteStatus) {
        timer_.Start(WriteStatusTimeoutMs);
    } else if (next == S::SpeedChange && !speedChangeLeft_.empty()) {
        timer_.Start(SpeedChangeTimeoutMs);
    } else {
        timer_.Start(NormalTimeoutMs);
    }
}

cmcCloneState cmcCloneDrv::Step(bool& progress) {
    switch (state_) {
        case S::Start:
            return S::SpeedChange;
        case S::SpeedChange:
            return StepSpeedChange(progress);
        case S::ExchangeSpeed:
            return StepExchangeSpeed();
        case S::InformationRequest:
            SendRequest(CloneFrame::InfoRequest);
            collector_.Reset();
            return S::InformationAnswer;
        case S::InformationAnswer:
            if (!CollectFrames()) {
                progress = false;
                return S::InformationAnswer;
            }
            result_->code = CloneCheck::TakeInformation(lastFrame_, *result_)
                                ? CloneResult::Success
                                : CloneResult::BadFrame;
            return S::Drain;
        case S::ReadRequest:
            SendRequest(CloneFrame::ReadRequest);
            dataFrames_.Reset();
            return S::ReadData;
        case S::ReadData:
            return StepReceiveData(progress);
        case S::WriteRequest:
            SendRequest(CloneFrame::WriteRequest);
            return S::WriteData;
        case S::WriteData:
            return StepSendData(progress);
        case S::WriteEnd: {
            cmcBuff end;
            CloneFrame::AppendEndOfData(end);
            Send(end);
            collector_.Reset();
            return S::WriteStatus;
        }
        case S::WriteStatus:
            if (!CollectFrames()) {
                progress = false;
                return S::WriteStatus;
            }
            result_->code = CloneCheck::IsWriteAccepted(lastFrame_) ? CloneResult::Success
                                                                    : CloneResult::WriteRefused;
            return S::Drain;
        case S::Drain:
            return StepDrain(progress);
        default:
            return S::Done;
    }
}

cmcCloneState cmcCloneDrv::StepSpeedChange(bool& progress) {
    SpeedChangePart part;
    if (!TakeSpeedChangePart(speedChangeLeft_, part)) {
        if (port_.PendingOutput() > 0) {
            progress = false;
            return S::SpeedChange;
        }
        return S::ExchangeSpeed;
    }
    if (part.reopen) {
        if (!Reopen(part.settings)) {
            result_->code = CloneResult::PortFailed;
            return S::Drain;
        }
    } else {
        Send(part.bytes);
    }
    return !speedChangeLeft_.empty() || port_.PendingOutput() > 0 ? S::SpeedChange
                                                                  : S::ExchangeSpeed;
}

cmcCloneState cmcCloneDrv::StepExchangeSpeed() {
    if (!Reopen(settings_)) {
        result_->code = CloneResult::PortFailed;
        return S::Drain;
    }
    switch (operation_) {
        case CloneOperation::Information:
            return S::InformationRequest;
        case CloneOperation::Read:
            return S::ReadRequest;
        default:
            return S::WriteRequest;
    }
}

cmcCloneState cmcCloneDrv::StepReceiveData(bool& progress) {
    uint8_t buffer[ReadChunk];
    const int n = Receive(buffer);
    bool good = false;
    for (int i = 0; i < n; ++i) {
        const cmcFrameAssembler::Event event = dataFrames_.Feed(buffer[i]);
        if (event == cmcFrameAssembler::Event::Overflow) {
            result_->code = CloneResult::BadFrame;
            return S::Drain;
        }
        if (event != cmcFrameAssembler::Event::Frame) {
            continue;
        }
        const CloneCheck::ReadOutcome outcome =
            CloneCheck::TakeReadFrame(dataFrames_.Frame(), imageSize_, *result_, dataBytesDone_);
        if (outcome.kind == CloneCheck::ReadOutcome::Data) {
            ++frameCount_;
            good = true;
            continue;
        }
        if (outcome.kind == CloneCheck::ReadOutcome::EndOfData) {
            result_->code = ranges_.empty() ? CloneResult::Success
                                            : CloneCheck::CoverageCode(result_->receivedMap,
                                                                       ranges_, imageSize_);
        } else {
            result_->code = outcome.code;
        }
        return S::Drain;
    }
    progress = good;
    return S::ReadData;
}

cmcCloneState cmcCloneDrv::StepSendData(bool& progress) {
    // Progress is bytes leaving the port, not frames queued in it: a device
    // that keeps reporting the same unsent bytes ends the exchange with the
    // state's time-out.
    progress = port_.PendingOutput() < pendingAfterStep_;
    cmcCloneState next = S::WriteData;
    for (int pass = 0; pass < PassesPerStep; ++pass) {
        while (rangeIndex_ < ranges_.size() && currentAddress_ > ranges_[rangeIndex_].end) {
            if (++rangeIndex_ < ranges_.size()) {
                currentAddress_ = ranges_[rangeIndex_].start;
            }
        }
        const bool exhausted = rangeIndex_ >= ranges_.size();
        if (!exhausted) {
            const int count = CloneFrame::DataCountAt(currentAddress_, ranges_[rangeIndex_].end);
            CloneFrame::AppendData(pendingFrames_, currentAddress_,
                                   result_->image.Data() + currentAddress_, count, dataPreamble_);
            currentAddress_ += count;
            dataBytesDone_ += count;
            ++frameCount_;
        }
        const bool sendNow =
            pendingFrames_.Size() > 0 && port_.PendingOutput() <= 4 * pendingFrames_.Size();
        if (sendNow) {
            Send(pendingFrames_);
            pendingFrames_.Clear();
        }
        if (exhausted) {
            if (pendingFrames_.Size() == 0 && port_.PendingOutput() == 0) {
                next = S::WriteEnd;
            }
            break;
        }
        if (!sendNow) {
            break;
        }
    }
    pendingAfterStep_ = port_.PendingOutput();
    return next;
}

cmcCloneState cmcCloneDrv::StepDrain(bool& progress) {
    if (port_.PendingOutput() > 0) {
        progress = false;
        return S::Drain;
    }
    return S::Done;
}

bool cmcCloneDrv::CollectFrames() {
    uint8_t buffer[ReadChunk];
    const int n = Receive(buffer);
    bool completed = false;
    for (int i = 0; i < n; ++i) {
        const cmcFrameAssembler::Event event = collector_.Feed(buffer[i]);
        if (event == cmcFrameAssembler::Event::Frame) {
            lastFrame_.Assign(collector_.Frame());
            completed = true;
        } else if (event == cmcFrameAssembler::Event::Overflow) {
            lastFrame_.Clear();  // invalid as any answer
            completed = true;
        }
    }
    return completed;
}

bool cmcCloneDrv::Reopen(const std::string& settings) {
    port_.Close();
    if (!port_.Open(portNumber_, settings)) {
        return false;
    }
    settle_.Start(cmcComm::SettleMs);
    return true;
}

void cmcCloneDrv::SendRequest(uint8_t command) {
    cmcBuff frame;
    CloneFrame::AppendRequest(frame, command, static_cast<uint16_t>(modelWord_),
                              static_cast<uint16_t>(secondWord_), commandPreamble_);
    Send(frame);
}

void cmcCloneDrv::Send(const cmcBuff& bytes) {
    port_.Write(bytes);
    bytesOnWire_ += bytes.Size();
}

int cmcCloneDrv::Receive(uint8_t* buffer) {
    const int n = port_.Read(buffer, ReadChunk);
    bytesOnWire_ += n;
    return n;
}
