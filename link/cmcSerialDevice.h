#pragma once
// A serial device as the clone link needs it: opened by path, raw line
// settings, reads and writes that never wait, and the byte counts of both
// directions. The program uses the POSIX termios device; tests use a double.

#include <cstdint>
#include <string>

enum class cmcStopBits { One, OneAndHalf, Two };

struct cmcLineSettings {
    int baud = 9600;
    char parity = 'N';  // N, O, E, M or S
    int dataBits = 8;   // 4..8
    cmcStopBits stopBits = cmcStopBits::One;
};

class cmcSerialDevice {
  public:
    virtual ~cmcSerialDevice() = default;

    // Opens the device for reading and writing, for this program alone; false on failure.
    virtual bool Open(const std::string& path) = 0;
    // Raw mode with the given settings, no flow control, RTS on and DTR off where
    // the device has them; false when the device refuses the settings.
    virtual bool Configure(const cmcLineSettings& settings) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Bytes read (0 when nothing waits); -1 on a failure or a hang-up.
    virtual int Read(uint8_t* buffer, int maximum) = 0;
    // Bytes the device accepted (0 when it is full); -1 on a failure.
    virtual int Write(const uint8_t* bytes, int length) = 0;
    // Bytes waiting to be read, and bytes accepted but not yet sent (0 when unknown).
    virtual int InputCount() = 0;
    virtual int OutputCount() = 0;
    // Discards whatever waits in either direction.
    virtual void Purge() = 0;
    // The system error number of the last failed open, setting, read or write
    // (EIO for a hang-up); 0 when unknown.
    virtual int LastError() const { return 0; }
};
