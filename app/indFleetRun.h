#pragma once
// A fleet write: one clone file written to the radios on many serial ports at
// once, each radio with its own values from RADIOS.csv, each logged. The ports
// run side by side on the program's one timer host; the run hands out the
// radios (rows, up to a count) and writes the log. Used alike by the command
// line and the window.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cmcMessageBoxHost.h"
#include "indFleetLog.h"
#include "indFleetPort.h"
#include "indFleetRows.h"

// During a run the one confirmation has been given: every further question
// is answered yes; success boxes are dropped; any other text goes to the sink.
class indFleetMessageHost : public cmcMessageBoxHost {
  public:
    explicit indFleetMessageHost(std::function<void(const std::string&)> sink)
        : sink_(std::move(sink)) {}
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

  private:
    std::function<void(const std::string&)> sink_;
};

struct indFleetSetup {
    std::string file;                // the clone file
    std::vector<std::string> ports;  // the serial devices
    std::string radiosFile;          // RADIOS.csv; empty: the file as it is
    std::string logFile;
    indFleetOptions options;
    int count = 0;  // radios in all; 0: until stopped (or the rows run out)
};

class indFleetRun {
  public:
    // Reports: every radio's record, every port's change, and messages.
    struct Hooks {
        std::function<void(const indFleetRecord&)> radioDone;
        std::function<void(int port)> portChanged;
        std::function<void(const std::string&)> message;
    };

    explicit indFleetRun(cmcTimerHost* host = nullptr) : host_(host) {}
    ~indFleetRun();
    indFleetRun(const indFleetRun&) = delete;
    indFleetRun& operator=(const indFleetRun&) = delete;

    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    // Checks everything before any radio is asked: the ports, the clone
    // file, RADIOS.csv and the log. False with Error() set (the clone file's
    // own message shown); OpenCode() then holds a clone-file code, if that failed.
    bool Prepare(const indFleetSetup& setup);
    // Asks once, as Clone Write does, opens the log, then starts every port.
    // False when the question was refused or (Error() set) the log would not
    // open; nothing was sent.
    bool Start();
    // No further radio; running writes end first.
    void Stop();
    bool IsRunning() const;

    const std::string& Error() const { return error_; }
    int OpenCode() const { return openCode_; }
    // Prepare or Start failed because the log cannot be written.
    bool LogUnwritable() const { return logUnwritable_; }
    // Prepare failed because RADIOS.csv could not be read.
    bool RadiosUnreadable() const { return radiosUnreadable_; }
    // The radios done on all ports, and those of them not written as asked.
    int Radios() const;
    int Failures() const;
    // The log could not be written (the run stopped taking radios then).
    bool LogFailed() const { return logFailed_; }
    size_t PortCount() const { return ports_.size(); }
    const indFleetPort& Port(size_t index) const { return *ports_.at(index); }

  private:
    // Every radio is handed out (the count or the rows reached) or the log failed.
    bool NoneLeft() const;
    std::optional<int> Claim();
    void RadioDone(const indFleetRecord& record);
    void Message(const std::string& text);
    void RestoreHost();

    cmcTimerHost* host_;
    Hooks hooks_;
    indFleetSetup setup_;
    indFleetRows rows_;
    bool haveRows_ = false;
    indFleetLog log_;
    std::vector<std::unique_ptr<indFleetPort>> ports_;
    std::unique_ptr<indFleetMessageHost> messageHost_;
    cmcMessageBoxHost* previousHost_ = nullptr;
    std::string error_;
    int openCode_ = 0;
    int claimed_ = 0;
    bool logFailed_ = false;
    bool logUnwritable_ = false;
    bool radiosUnreadable_ = false;
    bool started_ = false;
};
