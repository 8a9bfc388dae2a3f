#pragma once
// The program's serial port: opened per exchange with a settings text such as
// "9600,N,8,1", a transmit queue that a 10 ms task pumps into the device, and
// reads that never wait.
//
// A device that accepts only part of a write is applying back-pressure: the
// rest stays queued. A transmission counts as failed only on a device error,
// or when the device accepted nothing for the whole write time-out (3000 ms
// plus the per-byte allowance of the baud rate for the bytes offered).
//
// The device's own count of unsent bytes is not always known (a
// pseudo-terminal reports 0), so the bytes handed over are also counted as
// pending until the line, at its baud rate, can have carried them.

#include <cstdint>
#include <memory>
#include <string>

#include "Trace.h"
#include "cmcBuff.h"
#include "cmcSerialDevice.h"
#include "cmcTask.h"
#include "cmcTick.h"

class cmcTimerHost;

class cmcComm {
  public:
    static constexpr int InputBufferSize = 32000;
    static constexpr int OutputBufferSize = 1024;  // also the largest block handed over at once
    static constexpr uint32_t WriteConstantMs = 3000;
    static constexpr int FlushLimit = 65535;

    // Takes the device (nullptr: the POSIX serial device); the pump runs on host
    // (nullptr: the current timer host).
    explicit cmcComm(std::unique_ptr<cmcSerialDevice> device = nullptr,
                     cmcTimerHost* host = nullptr);
    ~cmcComm();
    cmcComm(const cmcComm&) = delete;
    cmcComm& operator=(const cmcComm&) = delete;

    // The device pattern of ComDevicePath (default "/dev/ttyUSB%d").
    void SetDevicePattern(const std::string& pattern) { pattern_ = pattern; }
    std::string DevicePath(int portNumber) const;

    // Fails when already open, when the device cannot be opened or refuses the settings.
    bool Open(int portNumber, const std::string& settings);
    void Close();
    bool IsOpen() const { return device_->IsOpen(); }

    // Queues the bytes and pumps at once; nothing happens while closed.
    void Write(const uint8_t* bytes, int length);
    void Write(const cmcBuff& bytes) { Write(bytes.Data(), bytes.Size()); }
    // Bytes received so far, up to maximum; 0 when none, when closed or on a failure
    // (which HasReadError then reports).
    int Read(uint8_t* buffer, int maximum);
    int InputCount();
    // Bytes not yet on the line: the device's, those the line is still carrying, and the queue.
    int PendingOutput();
    bool HasWriteError() const { return writeFailed_; }
    // The device reported a failed read (a hang-up) since the port was opened.
    bool HasReadError() const { return readFailed_; }
    // The device's error number of the last failed open or transfer since the
    // last open began (0: none).
    int LastError() const { return lastError_; }

    // Every frame sent or received, and each opening and closing, go to sink
    // (nullptr: no trace).
    void SetTrace(cmcTraceSink* sink) { trace_.SetSink(sink); }

    // The line's settling time after an open, before what it received is discarded.
    static constexpr uint32_t SettleMs = 100;
    // Discards whatever was received, up to FlushLimit bytes.
    void DiscardInput();

    int PortNumber() const { return portNumber_; }
    const cmcLineSettings& Line() const { return line_; }
    cmcSerialDevice& Device() { return *device_; }

  private:
    bool OpenFailed(const std::string& path);
    void LineFailed(const char* what);
    void Pump();
    void StopPump() { task_->SetInterval(-1); }
    int OnLine();
    void HandedOver(int bytes);
    void DropFront(int bytes);
    uint32_t WriteTimeoutMs(int bytes) const;

    std::unique_ptr<cmcSerialDevice> device_;
    std::string pattern_;
    int portNumber_ = 0;
    bool writeFailed_ = false;
    bool readFailed_ = false;
    int lastError_ = 0;
    cmcTraceTap trace_;
    cmcBuff queue_;
    cmcLineSettings line_;
    cmcTaskHandle task_;
    bool stalled_ = false;  // the last hand-over was refused; stall_ runs
    cmcTick stall_;
    int onLine_ = 0;  // bytes handed over that the line had not carried at onLineSince_
    uint32_t onLineSince_ = 0;
};
