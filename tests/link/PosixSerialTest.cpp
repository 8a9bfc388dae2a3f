#include <gtest/gtest.h>

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "cmcPosixSerial.h"

namespace {

// A pseudo-terminal whose master plays the other end of the cable.
struct Pty {
    Pty() {
        char name[128] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = name;
        }
    }
    ~Pty() {
        if (slave >= 0) {
            close(slave);
        }
        if (master >= 0) {
            close(master);
        }
    }
    void CloseMaster() {
        close(master);
        master = -1;
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

// Polls (bounded) until the device reports waiting input.
int WaitForInput(cmcPosixSerial& device) {
    for (int i = 0; i < 200 && device.InputCount() == 0; ++i) {
        poll(nullptr, 0, 5);
    }
    return device.InputCount();
}

}  // namespace

TEST(PosixSerial, ConfiguresRawNonBlockingLineAndPassesBinaryBytes) {
    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    cmcPosixSerial device;
    ASSERT_TRUE(device.Open(pty.path));
    EXPECT_FALSE(device.Open(pty.path));
    cmcLineSettings line;
    line.baud = 38400;
    ASSERT_TRUE(device.Configure(line));

    termios t{};
    ASSERT_EQ(tcgetattr(pty.slave, &t), 0);
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B38400));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_cc[VMIN], 1);
    EXPECT_EQ(t.c_cc[VTIME], 0);

    uint8_t buffer[16];
    EXPECT_EQ(device.Read(buffer, 16), 0);  // empty port: nothing, at once
    const uint8_t frame[] = {0xFE, 0x00, 0x0D, 0x0A, 0x11, 0x13, 0xFD};
    ASSERT_EQ(write(pty.master, frame, sizeof frame), static_cast<ssize_t>(sizeof frame));
    EXPECT_EQ(WaitForInput(device), 7);
    ASSERT_EQ(device.Read(buffer, 16), 7);
    EXPECT_EQ(std::string(buffer, buffer + 7), std::string(frame, frame + 7));

    EXPECT_EQ(device.Write(frame, 7), 7);
    EXPECT_EQ(device.OutputCount(), 0);  // a pseudo-terminal does not count
    uint8_t echo[16];
    EXPECT_EQ(read(pty.master, echo, sizeof echo), 7);
    EXPECT_EQ(echo[6], 0xFD);
}

TEST(PosixSerial, FullDeviceAcceptsNothingAndAHangUpIsAFailure) {
    Pty pty;
    cmcPosixSerial device;
    ASSERT_TRUE(device.Open(pty.path));
    ASSERT_TRUE(device.Configure({}));
    const std::string block(1024, 'x');
    const auto* bytes = reinterpret_cast<const uint8_t*>(block.data());
    int total = 0;
    int last = 1;
    for (int i = 0; i < 1000 && last > 0; ++i) {
        last = device.Write(bytes, 1024);
        total += last > 0 ? last : 0;
    }
    EXPECT_EQ(last, 0);  // back-pressure, not an error
    EXPECT_GT(total, 1024);

    pty.CloseMaster();
    uint8_t buffer[4];
    EXPECT_EQ(device.Read(buffer, 4), -1);
    EXPECT_EQ(device.LastError(), EIO);  // the other end is gone, as when unplugged
    EXPECT_EQ(device.Write(bytes, 4), -1);
    EXPECT_EQ(device.LastError(), EIO);
    device.Purge();
    device.Close();
    EXPECT_FALSE(device.IsOpen());
}

TEST(PosixSerial, RefusesWhatIsNotASerialDeviceAndUnknownSpeeds) {
    cmcPosixSerial device;
    EXPECT_FALSE(device.Open("/nonexistent/tty"));
    EXPECT_EQ(device.LastError(), ENOENT);
    EXPECT_FALSE(device.Open("/dev/null"));
    EXPECT_EQ(device.LastError(), ENOTTY);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_FALSE(device.Configure({}));
    Pty pty;
    ASSERT_TRUE(device.Open(pty.path));
    cmcLineSettings odd;
    odd.baud = 12345;
    EXPECT_FALSE(device.Configure(odd));
    uint8_t b[1];
    device.Close();
    EXPECT_EQ(device.Read(b, 1), -1);
    EXPECT_EQ(device.InputCount(), 0);
}
