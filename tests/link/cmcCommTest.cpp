#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ComDevicePath.h"
#include "CommSettings.h"
#include "VirtualTime.h"
#include "cmcComm.h"
#include "cmcSerialDouble.h"

TEST(CommSettings, ReadsBaudParityDataAndStopBits) {
    const cmcLineSettings s = CommSettings::ParseCommSettings("38400,N,8,1");
    EXPECT_EQ(s.baud, 38400);
    EXPECT_EQ(s.parity, 'N');
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.stopBits, cmcStopBits::One);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,n,8,1,extra").baud, 9600);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,7,1.5").stopBits, cmcStopBits::OneAndHalf);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,7,2").dataBits, 7);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,7,2").stopBits, cmcStopBits::Two);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,8,3").stopBits, cmcStopBits::One);
}

TEST(CommSettings, ClampsDataBitsAndReadsMissingFieldsAsEmpty) {
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,9,1").dataBits, 8);
    EXPECT_EQ(CommSettings::ParseCommSettings("9600,N,3,1").dataBits, 4);
    const cmcLineSettings s = CommSettings::ParseCommSettings("4800");
    EXPECT_EQ(s.baud, 4800);
    EXPECT_EQ(s.dataBits, 4);
    EXPECT_EQ(s.stopBits, cmcStopBits::One);
    EXPECT_EQ(CommSettings::ParseCommSettings("").baud, 0);
    EXPECT_EQ(CommSettings::ParseCommSettings("99999999999999999999,x").baud, 100000000);
}

TEST(ComDevicePath, PatternTakesPortMinusOneOrIsALiteralPath) {
    EXPECT_EQ(ComDevicePath(DefaultComDevicePattern, 1), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath("/dev/ttyS%d", 3), "/dev/ttyS2");
    EXPECT_EQ(ComDevicePath("/dev/pts/7", 5), "/dev/pts/7");
    EXPECT_EQ(ComDevicePath("", 2), "/dev/ttyUSB1");
    EXPECT_EQ(ComDevicePath("/tmp/a%dx%d", 10), "/tmp/a9x%d");
}

namespace {

struct CommOnDouble : ::testing::Test {
    CommOnDouble() {
        auto d = std::make_unique<cmcSerialDouble>();
        device = d.get();
        comm = std::make_unique<cmcComm>(std::move(d));
        comm->SetDevicePattern("/dev/ttyX%d");
    }
    std::vector<uint8_t> Bytes(int n) {
        std::vector<uint8_t> v(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            v[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
        }
        return v;
    }

    VirtualTime time;
    cmcSerialDouble* device;
    std::unique_ptr<cmcComm> comm;
};

}  // namespace

TEST_F(CommOnDouble, OpensTheMappedDeviceWithTheSettingsAndRefusesASecondOpen) {
    ASSERT_TRUE(comm->Open(3, "38400,N,8,1"));
    EXPECT_EQ(device->openedPaths, std::vector<std::string>{"/dev/ttyX2"});
    EXPECT_EQ(device->Line().baud, 38400);
    EXPECT_EQ(device->purges, 1);
    EXPECT_FALSE(comm->Open(3, "9600,N,8,1"));
    EXPECT_TRUE(comm->IsOpen());
    EXPECT_EQ(device->Line().baud, 38400);
}

TEST_F(CommOnDouble, RefusedSettingsCloseThePortAgain) {
    device->failConfigure = true;
    EXPECT_FALSE(comm->Open(1, "9600,N,8,1"));
    EXPECT_FALSE(comm->IsOpen());
    EXPECT_EQ(device->closes, 1);
    device->failConfigure = false;
    device->failOpen = true;
    EXPECT_FALSE(comm->Open(1, "9600,N,8,1"));
}

TEST_F(CommOnDouble, WritingWhileClosedQueuesNothing) {
    const std::vector<uint8_t> b = Bytes(10);
    comm->Write(b.data(), 10);
    EXPECT_EQ(comm->PendingOutput(), 0);
    ASSERT_TRUE(comm->Open(1, "9600,N,8,1"));
    time.host.Advance(100);
    EXPECT_TRUE(device->written.empty());
}

TEST_F(CommOnDouble, HandsOverBlocksOfAtMost1024AsTheLineCarriesThem) {
    ASSERT_TRUE(comm->Open(1, "9600,N,8,1"));
    const std::vector<uint8_t> b = Bytes(2500);
    comm->Write(b.data(), 2500);
    EXPECT_EQ(device->written.size(), 1024u);  // the first block at once
    EXPECT_EQ(comm->PendingOutput(), 2500);
    // 1024 bytes take 1066.7 ms at 9600 baud, 10 bits a byte.
    time.host.Advance(1060);
    EXPECT_EQ(device->written.size(), 1024u);
    EXPECT_GT(comm->PendingOutput(), 2500 - 1024);
    time.host.Advance(20);
    EXPECT_EQ(device->written.size(), 2048u);
    time.host.Advance(1100);
    EXPECT_EQ(device->written, b);
    time.host.Advance(500);
    EXPECT_EQ(comm->PendingOutput(), 0);
    EXPECT_FALSE(comm->HasWriteError());
}

TEST_F(CommOnDouble, WaitsForTheNextTickWhileTheDeviceHoldsUnsentBytes) {
    ASSERT_TRUE(comm->Open(1, "38400,N,8,1"));
    device->outputCount = 5;
    comm->Write(Bytes(3).data(), 3);
    EXPECT_TRUE(device->written.empty());
    EXPECT_EQ(comm->PendingOutput(), 8);
    device->outputCount = 0;
    time.host.Advance(9);
    EXPECT_TRUE(device->written.empty());
    time.host.Advance(1);
    EXPECT_EQ(device->written.size(), 3u);
}

TEST_F(CommOnDouble, AShortWriteIsBackPressureNotAFailure) {
    ASSERT_TRUE(comm->Open(1, "38400,N,8,1"));
    device->acceptPerWrite = 100;
    const std::vector<uint8_t> b = Bytes(700);
    comm->Write(b.data(), 700);
    EXPECT_EQ(device->written.size(), 100u);
    EXPECT_FALSE(comm->HasWriteError());
    time.host.Advance(2000);
    EXPECT_EQ(device->written, b);
    EXPECT_FALSE(comm->HasWriteError());
}

TEST_F(CommOnDouble, NothingAcceptedForTheWholeWriteTimeOutIsAFailedTransmission) {
    ASSERT_TRUE(comm->Open(1, "9600,N,8,1"));
    device->acceptPerWrite = 0;
    comm->Write(Bytes(200).data(), 200);
    // 3000 ms plus 10 ms a byte at 9600 baud for the 200 bytes offered.
    time.host.Advance(4990);
    EXPECT_FALSE(comm->HasWriteError());
    time.host.Advance(20);
    EXPECT_TRUE(comm->HasWriteError());
    comm->Close();
    EXPECT_FALSE(comm->HasWriteError());
    EXPECT_EQ(comm->PendingOutput(), 0);
}

TEST_F(CommOnDouble, AnyAcceptedByteRestartsTheWriteTimeOut) {
    ASSERT_TRUE(comm->Open(1, "38400,N,8,1"));
    device->acceptPerWrite = 0;
    comm->Write(Bytes(100).data(), 100);
    time.host.Advance(3000);
    device->acceptPerWrite = 1;
    time.host.Advance(10);
    device->acceptPerWrite = 0;
    time.host.Advance(3100);
    EXPECT_FALSE(comm->HasWriteError());
    time.host.Advance(200);
    EXPECT_TRUE(comm->HasWriteError());
}

TEST_F(CommOnDouble, ADeviceErrorFailsAtOnce) {
    ASSERT_TRUE(comm->Open(1, "9600,N,8,1"));
    device->failWrites = true;
    comm->Write(Bytes(4).data(), 4);
    EXPECT_TRUE(comm->HasWriteError());
}

TEST_F(CommOnDouble, ReadsWhatArrivedAndDiscardsItUpToTheFlushLimit) {
    uint8_t buffer[8];
    EXPECT_EQ(comm->Read(buffer, 8), 0);  // closed
    ASSERT_TRUE(comm->Open(1, "9600,N,8,1"));
    device->Feed({1, 2, 3});
    EXPECT_EQ(comm->InputCount(), 3);
    EXPECT_EQ(comm->Read(buffer, 2), 2);
    EXPECT_EQ(buffer[1], 2);
    device->Feed(std::vector<uint8_t>(70000, 7));
    comm->DiscardInput();
    EXPECT_EQ(comm->InputCount(), 70001 - cmcComm::FlushLimit);
    device->HangUp();
    EXPECT_EQ(comm->Read(buffer, 8), 0);
}
