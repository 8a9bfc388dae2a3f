#include "cmcComm.h"

#include <algorithm>
#include <cstring>

#include "ComDevicePath.h"
#include "CommSettings.h"
#include "cmcClock.h"
#include "cmcPosixSerial.h"

namespace {
constexpr int PumpPeriodMs = 10;
}  // namespace

cmcComm::cmcComm(std::unique_ptr<cmcSerialDevice> device, cmcTimerHost* host)
    : device_(device ? std::move(device) : std::make_unique<cmcPosixSerial>()),
      pattern_(DefaultComDevicePattern),
      task_(host) {
    task_->SetCallback([this](cmcTask&) { Pump(); });
}

cmcComm::~cmcComm() {
    Close();
    task_.Reset();
}

std::string cmcComm::DevicePath(int portNumber) const {
    return ComDevicePath(pattern_, portNumber);
}

bool cmcComm::Open(int portNumber, const std::string& settings) {
    if (IsOpen()) {
        return false;
    }
    portNumber_ = portNumber;
    lastError_ = 0;
    line_ = CommSettings::ParseCommSettings(settings);
    const std::string path = DevicePath(portNumber);
    if (!device_->Open(path)) {
        return OpenFailed(path);
    }
    device_->Purge();
    if (!device_->Configure(line_)) {
        device_->Close();
        return OpenFailed(path);
    }
    trace_.Opened("open " + path + " " + settings);
    return true;
}

bool cmcComm::OpenFailed(const std::string& path) {
    lastError_ = device_->LastError();
    trace_.Note("open " + path +
                " failed: " + (lastError_ != 0 ? std::strerror(lastError_) : "device error"));
    return false;
}

void cmcComm::Close() {
    if (IsOpen()) {
        trace_.Note("close");
    }
    StopPump();
    device_->Close();
    queue_.Clear();
    writeFailed_ = false;
    readFailed_ = false;
    stalled_ = false;
    onLine_ = 0;
}

void cmcComm::Write(const uint8_t* bytes, int length) {
    if (!IsOpen()) {
        return;
    }
    StopPump();
    trace_.Bytes(cmcTraceDir::Sent, line_.baud, bytes, length);
    queue_.AppendBytes(bytes, length);
    Pump();
}

int cmcComm::Read(uint8_t* buffer, int maximum) {
    if (!IsOpen() || maximum <= 0) {
        return 0;
    }
    const int n = device_->Read(buffer, maximum);
    if (n < 0) {
        if (!readFailed_) {
            LineFailed("read");
        }
        readFailed_ = true;
        return 0;
    }
    trace_.Bytes(cmcTraceDir::Received, line_.baud, buffer, n);
    return n;
}

int cmcComm::InputCount() {
    return IsOpen() ? device_->InputCount() : 0;
}

int cmcComm::PendingOutput() {
    if (!IsOpen()) {
        return 0;
    }
    return std::max(device_->OutputCount(), OnLine()) + queue_.Size();
}

void cmcComm::DiscardInput() {
    uint8_t scratch[256];
    for (int discarded = 0; discarded < FlushLimit;) {
        const int n = Read(scratch, std::min<int>(sizeof scratch, FlushLimit - discarded));
        if (n <= 0) {
            break;
        }
        discarded += n;
    }
}

void cmcComm::Pump() {
    if (!IsOpen() || queue_.Size() == 0) {
        StopPump();
        return;
    }
    if (device_->OutputCount() > 0 || OnLine() > 0) {
        task_->SetInterval(PumpPeriodMs);
        return;
    }
    const int offered = std::min(queue_.Size(), OutputBufferSize);
    const int accepted = device_->Write(queue_.Data(), offered);
    if (accepted < 0) {
        LineFailed("write");
        writeFailed_ = true;
        StopPump();
        return;
    }
    if (accepted == 0) {
        if (!stalled_) {
            stalled_ = true;
            stall_.Start(WriteTimeoutMs(offered));
        } else if (stall_.Remaining() == 0) {
            writeFailed_ = true;
            StopPump();
            return;
        }
        task_->SetInterval(PumpPeriodMs);
        return;
    }
    stalled_ = false;
    HandedOver(accepted);
    DropFront(accepted);
    if (queue_.Size() > 0) {
        task_->SetInterval(PumpPeriodMs);
    } else {
        StopPump();
    }
}

void cmcComm::LineFailed(const char* what) {
    lastError_ = device_->LastError();
    trace_.Note(std::string(what) +
                " failed: " + (lastError_ != 0 ? std::strerror(lastError_) : "device error"));
}

uint32_t cmcComm::WriteTimeoutMs(int bytes) const {
    const uint32_t perByte = line_.baud > 0 ? static_cast<uint32_t>(100000 / line_.baud) : 0;
    return WriteConstantMs + perByte * static_cast<uint32_t>(bytes);
}

int cmcComm::OnLine() {
    if (onLine_ <= 0 || line_.baud <= 0) {
        return 0;
    }
    const uint64_t elapsed = CurrentClock().NowMs() - onLineSince_;
    const uint64_t carried =
        elapsed * static_cast<uint64_t>(line_.baud) / 10000u;  // 10 bits a byte
    if (carried >= static_cast<uint64_t>(onLine_)) {
        onLine_ = 0;
        return 0;
    }
    return onLine_ - static_cast<int>(carried);
}

void cmcComm::HandedOver(int bytes) {
    onLine_ = OnLine() + bytes;
    onLineSince_ = CurrentClock().NowMs();
}

void cmcComm::DropFront(int bytes) {
    const int rest = queue_.Size() - bytes;
    std::memmove(queue_.Data(), queue_.Data() + bytes, static_cast<size_t>(rest));
    queue_.SetSize(rest);
}
