// The protocol driver over a real pseudo-terminal against orvane-radio-sim.

#include <gtest/gtest.h>

#include <memory>

#include "ClfTestSupport.h"
#include "SimProcess.h"
#include "SpeedChangeText.h"
#include "cmcCloneDrv.h"
#include "cmcEeprom.h"
#include "cmcTimerHost.h"

namespace {

struct Exchange {
    explicit Exchange(const std::string& device, bool high = false) {
        drv.SetDevicePattern(device);
        drv.SetIdentity(0x2336, 0);
        drv.SetImageSize(0x4000);
        drv.SetPort(1, high ? "38400,N,8,1" : "9600,N,8,1");
        drv.SetPreambles(high ? 48 : 12, high ? 12 : 0);
        drv.SetSpeedChangeText(high ? SpeedChangeForm9600(0x2336) : SpeedChangeForm38400(0x2336));
    }
    cmcCloneDrv::Completion Keep() {
        return [this](dst_CDrv_Result& r) { result = std::make_unique<dst_CDrv_Result>(r); };
    }
    // Runs the exchange on real time, at most maxMs.
    bool Run(uint32_t maxMs = 60000) {
        return DefaultLoopTimerHost().RunUntil([&] { return !drv.IsBusy(); }, maxMs);
    }
    cmcCloneDrv drv;
    std::unique_ptr<dst_CDrv_Result> result;
};

}  // namespace

TEST(SimDriverE2E, InformationAtLowSpeed) {
    SimProcess sim({"--map-revision", "1"});
    ASSERT_TRUE(sim.Started());
    Exchange x(sim.Device());
    ASSERT_TRUE(x.drv.StartInformation(x.Keep()));
    ASSERT_TRUE(x.Run());
    ASSERT_TRUE(x.result);
    EXPECT_EQ(x.result->code, CloneResult::Success);
    EXPECT_EQ(x.result->modelWord, 0x2336);
    EXPECT_EQ(x.result->secondWord, 0x0100);
    EXPECT_EQ(x.result->information.Size(), 38);
    EXPECT_TRUE(sim.WaitForLine("info at 9600", 2000));
}

TEST(SimDriverE2E, ReadAtHighSpeedDeliversTheRadiosImage) {
    SimProcess sim({"--map-revision", "3"});
    ASSERT_TRUE(sim.Started());
    Exchange x(sim.Device(), true);
    ASSERT_TRUE(x.drv.StartRead({{0, 0x39FF}}, x.Keep()));
    ASSERT_TRUE(x.Run());
    ASSERT_TRUE(x.result);
    EXPECT_EQ(x.result->code, CloneResult::Success);
    EXPECT_EQ(x.result->image.GetByte(0), 0x23);
    EXPECT_EQ(x.result->image.GetByte(1), 0x36);
    EXPECT_EQ(x.result->image.GetByte(2), 3);
    EXPECT_TRUE(sim.WaitForLine("read at 38400 baud", 2000));
}

TEST(SimDriverE2E, WriteSendsTheImageOverTheRanges) {
    const ScratchDir dir;
    const std::string saved = dir.File("sim_driver_write.clf");
    SimProcess sim({"--save", saved});
    ASSERT_TRUE(sim.Started());
    Exchange x(sim.Device(), true);
    cmcEeprom image;
    image.Resize(0x4000);
    for (int a = 0; a < 0x4000; ++a) {
        image.SetByte(a, static_cast<uint8_t>(a ^ (a >> 7)));
    }
    ASSERT_TRUE(x.drv.StartWrite(image, {{0x80, 0x7FF}}, x.Keep()));
    ASSERT_TRUE(x.Run());
    ASSERT_TRUE(x.result);
    EXPECT_EQ(x.result->code, CloneResult::Success);
    EXPECT_TRUE(sim.WaitForLine("write at 38400 baud, 120 frames, 1920 bytes, status 0", 2000));
    EXPECT_TRUE(sim.WaitForLine("saved", 2000));
}
