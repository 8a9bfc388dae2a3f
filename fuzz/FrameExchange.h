#pragma once
// One exchange between the protocol driver and a radio on a serial double, on
// virtual time, as cloneframe_fuzz runs it and the recorder records it. An
// input is a mode byte, then the radio's replies: reply n goes to the program
// when it has sent its n-th complete frame. Replies are separated by
// ReplySeparator (no radio frame holds it: frames carry hexadecimal digits
// between 0xFE and 0xFD).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryMap.h"
#include "cmcCloneDrv.h"
#include "cmcSerialDouble.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "dst_CDrv_Result.h"

namespace FrameExchange {

constexpr std::string_view ReplySeparator = "\xFF\xFF";

struct Mode {
    CloneOperation operation = CloneOperation::Information;
    bool highSpeed = false;  // 38400 baud after a speed change
};
Mode DecodeMode(uint8_t byte);
uint8_t EncodeMode(const Mode& mode);

// What an exchange covers: a read the whole map (the radio sends all of it),
// a write a few blocks, so that an exchange is quick.
const std::vector<AddressRange>& Ranges(CloneOperation operation);
// The image a write sends.
const cmcEeprom& WriteImage();

std::vector<std::string> SplitReplies(std::string_view bytes);
std::string JoinReplies(const std::vector<std::string>& replies);

// A driver on a serial double, under a virtual clock for its lifetime.
class Bench {
  public:
    explicit Bench(const Mode& mode);
    ~Bench();
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    cmcSerialDouble& Device() { return *device_; }
    // Starts the exchange and runs it until the driver is idle or maxMs of
    // virtual time have passed; the number of completions it reported.
    int Run(uint32_t maxMs);
    bool Busy() const { return driver_.IsBusy(); }
    const dst_CDrv_Result* Result() const { return result_.get(); }

  private:
    Mode mode_;
    cmcVirtualTimerHost host_;
    cmcTimerHost* previousHost_;
    cmcClock* previousClock_;
    cmcSerialDouble* device_;
    cmcCloneDrv driver_;
    std::unique_ptr<dst_CDrv_Result> result_;
    int completions_ = 0;
};

}  // namespace FrameExchange
