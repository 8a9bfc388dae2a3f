#pragma once
// One exchange with the radio over the cloning cable: an information request,
// a clone read of address ranges, or a clone write of address ranges. A state
// machine stepped every 10 ms by a task; nothing waits for the radio. The
// outcome goes to the completion operation, exactly once per started exchange.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MemoryMap.h"
#include "cmcBuff.h"
#include "cmcComm.h"
#include "cmcFrameAssembler.h"
#include "cmcTask.h"
#include "cmcTick.h"
#include "dst_CDrv_Result.h"

class cmcEeprom;
class cmcSerialDevice;
class cmcTimerHost;

// The driver's states, by their documented numbers; any but Idle means busy.
enum class cmcCloneState : uint8_t {
    Idle = 0,
    Start = 2,
    SpeedChange = 3,
    ExchangeSpeed = 4,
    InformationRequest = 5,
    InformationAnswer = 6,
    ReadRequest = 7,
    ReadData = 8,
    WriteRequest = 9,
    WriteData = 10,
    WriteEnd = 11,
    WriteStatus = 12,
    Drain = 13,
    Done = 14,
};

class cmcCloneDrv {
  public:
    using Completion = std::function<void(dst_CDrv_Result&)>;

    static constexpr int TaskPeriodMs = 10;
    static constexpr int ReadChunk = 256;
    static constexpr uint32_t NormalTimeoutMs = 1000;
    static constexpr uint32_t SpeedChangeTimeoutMs = 1000;
    static constexpr uint32_t WriteStatusTimeoutMs = 2000;
    static constexpr int PassesPerStep = 8;

    // The port's device (nullptr: POSIX serial) and timer host (nullptr: current).
    explicit cmcCloneDrv(std::unique_ptr<cmcSerialDevice> device = nullptr,
                         cmcTimerHost* host = nullptr);
    ~cmcCloneDrv();
    cmcCloneDrv(const cmcCloneDrv&) = delete;
    cmcCloneDrv& operator=(const cmcCloneDrv&) = delete;

    void SetIdentity(int modelWord, int secondWord);
    void SetImageSize(int bytes) { imageSize_ = bytes; }
    void SetPort(int number, const std::string& settings);
    void SetPreambles(int command, int data);
    void SetSpeedChangeText(const std::string& text) { speedChangeText_ = text; }
    void SetDevicePattern(const std::string& pattern) { port_.SetDevicePattern(pattern); }

    // Each refuses (false) while busy; read and write also refuse ranges that
    // do not lie inside the image.
    bool StartInformation(Completion completion);
    bool StartRead(const std::vector<AddressRange>& ranges, Completion completion);
    bool StartWrite(const cmcEeprom& image, const std::vector<AddressRange>& ranges,
                    Completion completion);
    bool IsBusy() const { return state_ != cmcCloneState::Idle; }
    // Ends the running exchange on its next tick with code 18: frames not yet
    // handed to the port are dropped, those handed over are sent whole, then
    // the port is closed and the completion called. Nothing when idle.
    void RequestStop() { stopRequested_ = IsBusy(); }

    int DataBytesDone() const { return dataBytesDone_; }
    int BytesOnWire() const { return bytesOnWire_; }
    int FrameCount() const { return frameCount_; }
    cmcCloneState State() const { return state_; }
    int PortNumber() const { return portNumber_; }
    std::string DevicePath() const { return port_.DevicePath(portNumber_); }
    cmcComm& Port() { return port_; }

  private:
    bool Start(CloneOperation operation, const std::vector<AddressRange>& ranges,
               const cmcEeprom* image, Completion completion);
    void Tick();
    void Finish();
    // One step; returns the next state and clears progress when nothing moved.
    cmcCloneState Step(bool& progress);
    cmcCloneState StepSpeedChange(bool& progress);
    cmcCloneState StepExchangeSpeed();
    cmcCloneState StepReceiveData(bool& progress);
    cmcCloneState StepSendData(bool& progress);
    cmcCloneState StepDrain(bool& progress);
    // InformationAnswer and WriteStatus: true when a frame was completed in this step (lastFrame_).
    bool CollectFrames();
    bool Reopen(const std::string& settings);
    void SendRequest(uint8_t command);
    void Send(const cmcBuff& bytes);
    int Receive(uint8_t* buffer);
    void ArmTimer(cmcCloneState next);

    int modelWord_ = MemoryMap::ModelCode;
    int secondWord_ = 0;
    int imageSize_ = MemoryMap::ImageSize;
    int portNumber_ = 1;
    std::string settings_ = "9600,n,8,1";
    int commandPreamble_ = 12;
    int dataPreamble_ = 0;
    CloneOperation operation_ = CloneOperation::None;
    cmcComm port_;
    cmcFrameAssembler collector_;   // InformationAnswer and WriteStatus
    cmcFrameAssembler dataFrames_;  // ReadData
    cmcBuff lastFrame_;
    cmcBuff pendingFrames_;
    std::string speedChangeText_;
    std::string speedChangeLeft_;
    int bytesOnWire_ = 0;
    int frameCount_ = 0;
    int dataBytesDone_ = 0;
    std::vector<AddressRange> ranges_;
    size_t rangeIndex_ = 0;
    int currentAddress_ = 0;
    std::unique_ptr<dst_CDrv_Result> result_;
    Completion completion_;
    cmcCloneState state_ = cmcCloneState::Idle;
    bool stopRequested_ = false;
    int pendingAfterStep_ = 0;  // the port's unsent bytes after the last sending step
    cmcTick timer_;
    cmcTick settle_;  // runs while the line settles after an open
    cmcTaskHandle task_;
};
