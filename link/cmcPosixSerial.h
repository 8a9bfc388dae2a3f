#pragma once
// The serial device over POSIX termios. Reads and writes are non-blocking;
// VMIN=1, VTIME=0 makes an empty port report EAGAIN, so that a read of 0
// bytes means a hang-up.

#include "cmcSerialDevice.h"

class cmcPosixSerial : public cmcSerialDevice {
  public:
    cmcPosixSerial() = default;
    ~cmcPosixSerial() override;
    cmcPosixSerial(const cmcPosixSerial&) = delete;
    cmcPosixSerial& operator=(const cmcPosixSerial&) = delete;

    bool Open(const std::string& path) override;
    bool Configure(const cmcLineSettings& settings) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }

    int Read(uint8_t* buffer, int maximum) override;
    int Write(const uint8_t* bytes, int length) override;
    int InputCount() override;
    int OutputCount() override;
    void Purge() override;
    int LastError() const override { return error_; }

  private:
    // Keeps errno (or the given number) as the last error; returns failure.
    bool Failed(int error);

    int fd_ = -1;
    int error_ = 0;
};
