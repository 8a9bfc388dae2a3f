#pragma once
// Between the clone commands and the protocol driver: sets up the link for
// each exchange (speeds, preambles, speed-change text), keeps the main window
// disabled and a progress display up while the radio is busy, passes every
// result through the model's handlers, reports a failure in one message, and
// then calls the command's completion.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CloneErrors.h"
#include "ComDevicePath.h"
#include "MemoryMap.h"
#include "cmcCloneDrv.h"
#include "cmcTask.h"

class cmcEeprom;
class cmcSerialDevice;
class cmcTimerHost;

// The link settings of the next exchange, read at every start.
struct indLinkSettings {
    int port = 1;            // the setting ComPort
    bool speedHigh = false;  // the setting ComSpeedHigh: 38400 baud for reads and writes
    std::string devicePattern = DefaultComDevicePattern;  // the setting ComDevice
};

// The progress of a read or write: data bytes done, the total, and how many of
// the bar's 32 cells are filled.
struct indCloneProgress {
    static constexpr int Cells = 32;
    int done = 0;
    int total = 0;
    // done x 33 / total (integer), 0 when total is 0.
    int Filled() const { return total > 0 ? static_cast<int>(int64_t{done} * 33 / total) : 0; }
};

// What the window (or the command-line tool) shows of a running exchange.
class indCloneManHost {
  public:
    virtual ~indCloneManHost() = default;
    // Off while the radio is busy; on again (and focused) when an exchange ends.
    virtual void EnableMainWindow(bool enabled) { (void)enabled; }
    // Around reads and writes; Update every 30 ms while the driver runs.
    virtual void ShowProgress() {}
    virtual void UpdateProgress(const indCloneProgress& progress) { (void)progress; }
    virtual void HideProgress() {}
};

class indCloneMan {
  public:
    using Handler = std::function<void(dst_CDrv_Result&)>;
    using Completion = std::function<void(dst_CDrv_Result&)>;
    static constexpr int ProgressPeriodMs = 30;

    // The driver's device (nullptr: POSIX serial) and timer host (nullptr: current).
    explicit indCloneMan(std::unique_ptr<cmcSerialDevice> device = nullptr,
                         cmcTimerHost* host = nullptr);
    ~indCloneMan();
    indCloneMan(const indCloneMan&) = delete;
    indCloneMan& operator=(const indCloneMan&) = delete;

    // Installed by the document: called for every finished information
    // exchange and read; without one the code becomes 11 or 8.
    void SetInformationHandler(Handler handler) { informationHandler_ = std::move(handler); }
    void SetReadHandler(Handler handler) { readHandler_ = std::move(handler); }
    void SetHost(indCloneManHost* host) { host_ = host; }
    void SetLinkSettings(std::function<indLinkSettings()> settings) {
        settings_ = std::move(settings);
    }
    // Polled while an exchange runs: once it answers true the exchange ends as
    // by Stop() (a program told to quit, a window being closed).
    void SetStopRequest(std::function<bool()> requested) { stopRequest_ = std::move(requested); }
    // Hint lines of the failure messages replaced by the program's own texts.
    void SetHintTexts(CloneHintTexts texts) { hintTexts_ = std::move(texts); }
    // When set, a failure message goes to it instead of a message box (one of
    // many ports reports it beside its own name).
    void SetErrorSink(std::function<void(int code, const CloneErrorContext&)> sink) {
        errorSink_ = std::move(sink);
    }
    // Every frame of every exchange goes to sink as a trace line (nullptr: none).
    void SetTrace(cmcTraceSink* sink) { driver_.Port().SetTrace(sink); }

    void SetIdentity(int modelCode, int secondWord) { driver_.SetIdentity(modelCode, secondWord); }
    void SetImageSize(int bytes) { driver_.SetImageSize(bytes); }

    // Each refuses (false) while busy.
    bool StartInformation(Completion completion);
    bool StartRead(const std::vector<AddressRange>& ranges, Completion completion);
    bool StartWrite(const cmcEeprom& image, const std::vector<AddressRange>& ranges,
                    Completion completion);
    bool IsBusy() const { return driver_.IsBusy(); }
    // Ends the running exchange at a frame boundary with code 18 (the port is
    // closed, the message shown and the completion called as for any result),
    // so that the command running it ends too. For a program that is told to
    // quit; nothing when idle.
    void Stop() { driver_.RequestStop(); }

    indCloneProgress Progress() const { return {driver_.DataBytesDone(), totalBytes_}; }
    cmcCloneDrv& Driver() { return driver_; }

  private:
    bool Start(CloneOperation operation, bool transfer, const std::vector<AddressRange>& ranges,
               const cmcEeprom* image, Completion completion);
    void SetUpLink(bool highSpeed, const indLinkSettings& settings);
    void DriverDone(dst_CDrv_Result& result);
    // Every ProgressPeriodMs while busy: the progress, and the stop request.
    void Poll();

    indCloneManHost* host_ = nullptr;
    indCloneManHost defaultHost_;
    Handler informationHandler_;
    Handler readHandler_;
    Completion completion_;
    std::function<indLinkSettings()> settings_;
    std::function<bool()> stopRequest_;
    CloneHintTexts hintTexts_;
    std::function<void(int code, const CloneErrorContext&)> errorSink_;
    cmcCloneDrv driver_;
    int totalBytes_ = 0;
    CloneOperation operation_ = CloneOperation::None;
    bool progressShown_ = false;
    cmcTaskHandle task_;
};
