#include "FrameExchange.h"

#include "SpeedChangeText.h"
#include "cmcClock.h"

namespace FrameExchange {

Mode DecodeMode(uint8_t byte) {
    Mode mode;
    mode.operation = static_cast<CloneOperation>(1 + byte % 3);
    mode.highSpeed = (byte / 3) % 2 != 0;
    return mode;
}

uint8_t EncodeMode(const Mode& mode) {
    return static_cast<uint8_t>(static_cast<int>(mode.operation) - 1 + (mode.highSpeed ? 3 : 0));
}

const std::vector<AddressRange>& Ranges(CloneOperation operation) {
    static const std::vector<AddressRange> read =
        GetAddressRanges(RangePurpose::CloneRead, MemoryMap::LongMapRevision);
    static const std::vector<AddressRange> write = {{0x0000, 0x003F}, {0x0100, 0x011F}};
    return operation == CloneOperation::Read ? read : write;
}

const cmcEeprom& WriteImage() {
    static const cmcEeprom image = [] {
        cmcEeprom e;
        e.Resize(MemoryMap::ImageSize);
        for (int a = 0; a < e.Size(); ++a) {
            e.SetByte(a, static_cast<uint8_t>(a ^ (a >> 7)));
        }
        return e;
    }();
    return image;
}

std::vector<std::string> SplitReplies(std::string_view bytes) {
    std::vector<std::string> replies;
    while (true) {
        const size_t at = bytes.find(ReplySeparator);
        replies.emplace_back(bytes.substr(0, at));
        if (at == std::string_view::npos) {
            return replies;
        }
        bytes.remove_prefix(at + ReplySeparator.size());
    }
}

std::string JoinReplies(const std::vector<std::string>& replies) {
    std::string out;
    for (size_t i = 0; i < replies.size(); ++i) {
        out += (i == 0 ? "" : std::string(ReplySeparator)) + replies[i];
    }
    return out;
}

Bench::Bench(const Mode& mode)
    : mode_(mode),
      previousHost_(SetCurrentTimerHost(&host_)),
      previousClock_(SetCurrentClock(&host_.VirtualClock())),
      device_(new cmcSerialDouble),
      driver_(std::unique_ptr<cmcSerialDevice>(device_), &host_) {
    driver_.SetIdentity(MemoryMap::ModelCode, 0);
    driver_.SetImageSize(MemoryMap::ImageSize);
    if (mode.highSpeed) {
        driver_.SetPort(1, "38400,N,8,1");
        driver_.SetPreambles(48, 12);
        driver_.SetSpeedChangeText(SpeedChangeForm9600(MemoryMap::ModelCode));
    } else {
        driver_.SetPort(1, "9600,N,8,1");
        driver_.SetPreambles(12, 0);
        driver_.SetSpeedChangeText(SpeedChangeForm38400(MemoryMap::ModelCode));
    }
}

Bench::~Bench() {
    SetCurrentClock(previousClock_);
    SetCurrentTimerHost(previousHost_);
}

int Bench::Run(uint32_t maxMs) {
    auto keep = [this](dst_CDrv_Result& r) {
        ++completions_;
        result_ = std::make_unique<dst_CDrv_Result>(r);
    };
    bool started = false;
    switch (mode_.operation) {
        case CloneOperation::Read:
            started = driver_.StartRead(Ranges(mode_.operation), keep);
            break;
        case CloneOperation::Write:
            started = driver_.StartWrite(WriteImage(), Ranges(mode_.operation), keep);
            break;
        default:
            started = driver_.StartInformation(keep);
            break;
    }
    if (started) {
        host_.AdvanceUntil([this] { return !driver_.IsBusy(); }, maxMs);
    }
    return completions_;
}

}  // namespace FrameExchange
