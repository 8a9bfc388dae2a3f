#include "SimPtyLine.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "SimRadio.h"

namespace {

constexpr int Chunk = 64;  // bytes moved at a time while pacing
constexpr int IdlePollMs = 20;
// A write whose frames stop coming for this long is given up, as a radio does.
constexpr int64_t WriteGiveUpUs = 2000 * 1000;

// Bytes that follow the previous ones closely (the line was not idle for more
// than a moment) cross the line straight after them.
constexpr int64_t ContinuousUs = 2000;

int64_t NextFree(int64_t freeAt, int64_t now, int64_t durationUs) {
    return (now - freeAt < ContinuousUs ? freeAt : now) + durationUs;
}

int64_t NowUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

struct SpeedEntry {
    speed_t speed;
    int baud;
};
constexpr SpeedEntry kSpeeds[] = {
    {B1200, 1200},   {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},
    {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
};

}  // namespace

SimPtyLine::~SimPtyLine() {
    Close();
    if (!linkPath_.empty()) {
        unlink(linkPath_.c_str());
    }
}

bool SimPtyLine::Open(const std::string& linkPath, std::string& error) {
    linkPath_ = linkPath;
    return Reopen(error);
}

bool SimPtyLine::Reopen(std::string& error) {
    Close();
    char name[256] = {};
    if (openpty(&master_, &hold_, name, nullptr, nullptr) != 0) {
        error = std::string("openpty: ") + std::strerror(errno);
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(hold_, F_SETFD, FD_CLOEXEC);
    devicePath_ = name;
    if (!linkPath_.empty()) {
        // Replace the link in one step, so that it never dangles while the program looks.
        const std::string temporary = linkPath_ + ".new";
        unlink(temporary.c_str());
        if (symlink(devicePath_.c_str(), temporary.c_str()) != 0 ||
            rename(temporary.c_str(), linkPath_.c_str()) != 0) {
            error = "cannot link " + linkPath_ + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

void SimPtyLine::Close() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
    if (hold_ >= 0) {
        close(hold_);
        hold_ = -1;
    }
}

int SimPtyLine::LineBaud() const {
    termios t{};
    if (tcgetattr(master_, &t) != 0) {
        return 0;
    }
    const speed_t speed = cfgetospeed(&t);
    for (const SpeedEntry& e : kSpeeds) {
        if (e.speed == speed) {
            return e.baud;
        }
    }
    return 0;
}

int64_t SimPtyLine::ByteTimeUs() const {
    const int baud = LineBaud();
    return baud > 0 ? 10000000 / baud : 0;
}

void SimPtyLine::Serve(SimRadio& radio, bool pace, const volatile std::sig_atomic_t& stop,
                       const std::function<void(const std::string&)>& log) {
    std::vector<uint8_t> out;   // bytes to send, in order
    std::vector<uint8_t> held;  // bytes read, crossing the line until heldUntil
    int heldBaud = 0;
    int64_t heldUntil = 0;   // also: the line from the program is busy until then
    int64_t sendFreeAt = 0;  // the line towards the program is busy until then
    std::vector<uint8_t> frame;
    int64_t lastInput = NowUs();
    while (!stop) {
        const int64_t now = NowUs();
        if (radio.Writing() && now - lastInput > WriteGiveUpUs) {
            radio.AbandonWrite();
        }
        // Input: read when the previous bytes have crossed the line.
        if (!held.empty() && now >= heldUntil) {
            radio.Receive(held.data(), static_cast<int>(held.size()), heldBaud);
            held.clear();
        }
        if (held.empty() && !radio.StopsReading()) {
            uint8_t buffer[4096];
            const ssize_t n = read(master_, buffer, pace ? Chunk : sizeof buffer);
            if (n > 0) {
                lastInput = now;
                held.assign(buffer, buffer + n);
                heldBaud = LineBaud();
                heldUntil = pace ? NextFree(heldUntil, now, n * ByteTimeUs()) : now;
                continue;
            }
        }
        for (const std::string& line : radio.TakeEvents()) {
            log(line);
        }
        if (radio.WantsHangUp()) {
            std::string error;
            if (!Reopen(error)) {
                log(error);
                return;
            }
            radio.Hung();
            out.clear();
            held.clear();
            log("device " + devicePath_);
            continue;
        }
        while (radio.TakeFrame(frame)) {
            out.insert(out.end(), frame.begin(), frame.end());
        }
        // Output: no faster than the line when pacing.
        bool full = false;
        if (!out.empty() && now >= sendFreeAt) {
            const size_t offer = pace ? std::min<size_t>(out.size(), Chunk) : out.size();
            const ssize_t n = write(master_, out.data(), offer);
            if (n > 0) {
                out.erase(out.begin(), out.begin() + n);
                sendFreeAt = pace ? NextFree(sendFreeAt, now, n * ByteTimeUs()) : now;
            } else {
                full = true;  // the program has not read enough yet
            }
        }
        // Sleep until something can happen.
        int64_t waitUs = IdlePollMs * 1000;
        if (!held.empty()) {
            waitUs = std::min(waitUs, heldUntil - now);
        }
        if (!out.empty() && !full) {
            waitUs = std::min(waitUs, sendFreeAt - now);
        }
        waitUs = std::max<int64_t>(0, waitUs);
        const bool reading = held.empty() && !radio.StopsReading();
        const short events = static_cast<short>((reading ? POLLIN : 0) | (full ? POLLOUT : 0));
        pollfd p{master_, events, 0};
        const timespec timeout{static_cast<time_t>(waitUs / 1000000),
                               static_cast<long>(waitUs % 1000000) * 1000};
        ppoll(&p, 1, &timeout, nullptr);
    }
}
