#include "cmcPosixSerial.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct BaudEntry {
    int baud;
    speed_t speed;
};

constexpr BaudEntry kBauds[] = {
    {300, B300},     {600, B600},       {1200, B1200},     {2400, B2400},
    {4800, B4800},   {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400},
};

bool SpeedOf(int baud, speed_t& speed) {
    for (const BaudEntry& e : kBauds) {
        if (e.baud == baud) {
            speed = e.speed;
            return true;
        }
    }
    return false;
}

tcflag_t CharacterSize(int dataBits) {
    switch (dataBits) {
        case 8:
            return CS8;
        case 7:
            return CS7;
        case 6:
            return CS6;
        default:  // 5, and 4, which termios cannot express
            return CS5;
    }
}

void SetParity(termios& t, char parity) {
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
    switch (parity) {
        case 'O':
        case 'o':
            t.c_cflag |= PARENB | PARODD;
            break;
        case 'E':
        case 'e':
            t.c_cflag |= PARENB;
            break;
        case 'M':
        case 'm':
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        case 'S':
        case 's':
            t.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            break;
    }
}

}  // namespace

cmcPosixSerial::~cmcPosixSerial() {
    Close();
}

bool cmcPosixSerial::Failed(int error) {
    error_ = error;
    return false;
}

bool cmcPosixSerial::Open(const std::string& path) {
    if (fd_ >= 0) {
        return false;
    }
    error_ = 0;
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        return Failed(errno);
    }
    if (!isatty(fd_)) {
        Close();
        return Failed(ENOTTY);
    }
    ioctl(fd_, TIOCEXCL);  // no second opener while the exchange runs (best effort)
    return true;
}

bool cmcPosixSerial::Configure(const cmcLineSettings& settings) {
    speed_t speed{};
    termios t{};
    if (fd_ < 0 || !SpeedOf(settings.baud, speed)) {
        return Failed(EINVAL);
    }
    if (tcgetattr(fd_, &t) != 0) {
        return Failed(errno);
    }
    cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits);
    if (settings.stopBits != cmcStopBits::One) {
        t.c_cflag |= CSTOPB;  // with five data bits the hardware makes it 1.5
    }
    SetParity(t, settings.parity);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0 ||
        tcsetattr(fd_, TCSANOW, &t) != 0) {
        return Failed(errno);
    }
    // Modem lines: pseudo-terminals and some adapters have none (ENOTTY).
    int rts = TIOCM_RTS;
    int dtr = TIOCM_DTR;
    ioctl(fd_, TIOCMBIS, &rts);
    ioctl(fd_, TIOCMBIC, &dtr);
    return true;
}

void cmcPosixSerial::Close() {
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}

int cmcPosixSerial::Read(uint8_t* buffer, int maximum) {
    if (fd_ < 0 || maximum <= 0) {
        return fd_ < 0 ? -1 : 0;
    }
    const ssize_t n = ::read(fd_, buffer, static_cast<size_t>(maximum));
    if (n > 0) {
        return static_cast<int>(n);
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return 0;
    }
    Failed(n == 0 ? EIO : errno);  // 0 bytes with VMIN=1 is a hang-up
    return -1;
}

int cmcPosixSerial::Write(const uint8_t* bytes, int length) {
    if (fd_ < 0) {
        return -1;
    }
    if (length <= 0) {
        return 0;
    }
    const ssize_t n = ::write(fd_, bytes, static_cast<size_t>(length));
    if (n >= 0) {
        return static_cast<int>(n);
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        return 0;
    }
    Failed(errno);
    return -1;
}

int cmcPosixSerial::InputCount() {
    int n = 0;
    return (fd_ >= 0 && ioctl(fd_, FIONREAD, &n) == 0 && n > 0) ? n : 0;
}

int cmcPosixSerial::OutputCount() {
    int n = 0;
    return (fd_ >= 0 && ioctl(fd_, TIOCOUTQ, &n) == 0 && n > 0) ? n : 0;
}

void cmcPosixSerial::Purge() {
    if (fd_ >= 0) {
        tcflush(fd_, TCIOFLUSH);
    }
}
