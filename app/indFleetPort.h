#pragma once
// One serial port of a fleet write: its own document (the clone file's image
// plus the radio's values), clone manager and clone commands, all on the
// program's one timer host. It writes a radio, logs it, then waits for that
// radio to go away and the next one to answer, taking a radio from the run
// each time. A failure here never touches the other ports.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cmcEeprom.h"
#include "cmcTask.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indFleetLog.h"
#include "indSheetSession.h"
#include "indVerifiedWrite.h"

struct indFleetRows;
class cmcTimerHost;

struct indFleetOptions {
    bool highSpeed = false;
    bool verify = false;
    std::string backupDirectory;  // empty: no backup
};

enum class indFleetState { Idle, Writing, WaitGone, WaitNext, Finished };

class indFleetPort : private indCloneManHost {
  public:
    // The outcome of a radio whose values a cell refused; nothing was sent to it.
    static constexpr int ValueRefused = 23;
    static constexpr int TickMs = 50;
    static constexpr int ProbeEveryMs = 1000;  // the information request while waiting

    // What the run gives and takes: the next radio's row of values (-1: none)
    // or nullopt when no radio is wanted any more; each radio's record; every change.
    struct Hooks {
        std::function<std::optional<int>()> claim;
        std::function<void(indFleetPort&, const indFleetRecord&)> done;
        std::function<void(indFleetPort&)> changed;
    };

    indFleetPort(std::string device, const indFleetOptions& options, const indFleetRows* rows,
                 cmcTimerHost* host = nullptr);
    ~indFleetPort() override;
    indFleetPort(const indFleetPort&) = delete;
    indFleetPort& operator=(const indFleetPort&) = delete;

    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    // The clone file into this port's document; 0 or the clone-file code.
    int Open(const std::string& file);
    // Writes the first radio now.
    void Start();
    // Takes no further radio; a running write or request ends first.
    void Stop();

    indFleetState State() const { return state_; }
    const std::string& Device() const { return device_; }
    // What the port is doing, for a status table ("writing 1200/8192 bytes").
    std::string StatusText() const;
    int Radios() const { return radios_; }
    int Failures() const { return failures_; }
    const indFleetRecord& LastRecord() const { return last_; }
    // The line time the last radio's exchanges needed: bytes x 10 / baud, summed.
    double LastWireMs() const { return lastWireMs_; }

  private:
    // Counts each exchange's line time as it ends.
    void EnableMainWindow(bool enabled) override;
    void Tick();
    void NextRadio();
    // Prepares the image of the radio; false with the record logged when a value is refused.
    bool Prepare(int row, indFleetRecord& record);
    void WriteEnded();
    void Record(indFleetRecord record);
    void AfterRadio();
    void Probe();
    void ProbeEnded(bool answered);
    void Finish();
    void SetState(indFleetState state);

    std::string device_;
    indFleetOptions options_;
    const indFleetRows* rows_;
    Hooks hooks_;
    indSheetSession session_;
    indCloneMan manager_;
    indCloneCommands commands_;
    std::unique_ptr<indVerifiedWrite> write_;
    cmcEeprom fileImage_;
    indFleetRecord current_;
    indFleetRecord last_;
    std::string exchangeError_;  // the failure message of the last exchange
    indFleetState state_ = indFleetState::Idle;
    bool stopping_ = false;
    int sinceProbeMs_ = 0;
    double wireMs_ = 0;
    double lastWireMs_ = 0;
    int radios_ = 0;
    int failures_ = 0;
    cmcTaskHandle task_;
};
