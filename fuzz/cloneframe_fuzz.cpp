// Radio bytes of any kind through the frame assembler, the frame checks and
// the protocol driver itself (on virtual time, with a scripted serial device).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CloneFrameCheck.h"
#include "CloneFrames.h"
#include "SpeedChangeText.h"
#include "cmcClock.h"
#include "cmcCloneDrv.h"
#include "cmcEeprom.h"
#include "cmcFrameAssembler.h"
#include "cmcSerialDouble.h"
#include "cmcTimerHost.h"

namespace {

void CheckFrames(const uint8_t* data, size_t size) {
    cmcFrameAssembler assembler(CloneFrame::MaxRadioFrame + 1);
    dst_CDrv_Result result;
    result.image.Resize(0x4000);
    int done = 0;
    for (size_t i = 0; i < size; ++i) {
        if (assembler.Feed(data[i]) != cmcFrameAssembler::Event::Frame) {
            continue;
        }
        CloneCheck::TakeReadFrame(assembler.Frame(), 0x4000, result, done);
        CloneCheck::TakeInformation(assembler.Frame(), result);
        CloneCheck::IsWriteAccepted(assembler.Frame());
    }
    CloneCheck::CoverageCode(result.receivedMap, {{0, 0x39FF}}, 0x4000);
    std::string text(reinterpret_cast<const char*>(data), size);
    SpeedChangePart part;
    for (int n = 0; n < 1000 && TakeSpeedChangePart(text, part); ++n) {
    }
}

// mode 0: information, 1: read, 2: write; the radio's bytes arrive in answer to the request.
void RunDriver(int mode, const uint8_t* data, size_t size) {
    cmcVirtualTimerHost host;
    cmcTimerHost* previousHost = SetCurrentTimerHost(&host);
    cmcClock* previousClock = SetCurrentClock(&host.VirtualClock());
    {
        auto device = std::make_unique<cmcSerialDouble>();
        cmcSerialDouble* d = device.get();
        cmcCloneDrv drv(std::move(device));
        d->onWrite = [d, data, size](const uint8_t* bytes, int length) {
            if (bytes[length - 1] == CloneFrame::End) {
                d->Feed(data, static_cast<int>(size));
            }
        };
        cmcEeprom image;
        image.Resize(0x4000);
        const std::vector<AddressRange> ranges = {{0x0000, 0x003F}, {0x0100, 0x011F}};
        if (mode == 0) {
            drv.StartInformation(nullptr);
        } else if (mode == 1) {
            drv.StartRead(ranges, nullptr);
        } else {
            drv.StartWrite(image, ranges, nullptr);
        }
        host.AdvanceUntil([&] { return !drv.IsBusy(); }, 10000);
    }
    SetCurrentClock(previousClock);
    SetCurrentTimerHost(previousHost);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    CheckFrames(data + 1, size - 1);
    if (data[0] < 3 * 16) {  // the driver on a sixth of the inputs: it costs more
        RunDriver(data[0] % 3, data + 1, size - 1);
    }
    return 0;
}
