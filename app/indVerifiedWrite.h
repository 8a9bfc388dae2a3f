#pragma once
// Clone Write with two safeguards around it. With a backup folder, the radio's
// whole image is first read and saved there as a new clone file; when that
// fails nothing is written. With verification, the radio is read again after
// a successful write and the written ranges are compared with the bytes sent.
// The exchanges are the clone commands' own; like them, Start returns once the
// first exchange is under way and the outcome is known when IsRunning ends.

#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "indCloneCommands.h"

// The bytes of the written ranges that the radio does not hold as sent.
struct indVerifyMismatch {
    int count = 0;                            // differing bytes; 0 when all match
    int address = -1;                         // the first differing address
    uint8_t sent = 0;                         // what was sent there
    uint8_t stored = 0;                       // what the radio holds there
    std::vector<std::pair<int, int>> ranges;  // the differing addresses, first and last of each run
};

indVerifyMismatch CompareRanges(const cmcEeprom& sent, const cmcEeprom& stored,
                                const std::vector<AddressRange>& ranges);

class indVerifiedWrite {
  public:
    // Outcomes besides 0, the clone result codes of the write and
    // indCloneCommands::NotCompleted; chosen apart from the clone result codes.
    static constexpr int VerifyMismatch = 20;    // written, but the radio holds other bytes
    static constexpr int BackupFailed = 21;      // no backup saved; nothing written
    static constexpr int VerifyReadFailed = 22;  // written, but the read-back failed

    enum class Step { Idle, Backup, Write, Verify };

    // The commands are not owned; their finished operation is taken over while
    // this object lives.
    explicit indVerifiedWrite(indCloneCommands& commands);
    ~indVerifiedWrite();
    indVerifiedWrite(const indVerifiedWrite&) = delete;
    indVerifiedWrite& operator=(const indVerifiedWrite&) = delete;

    // Empty: no backup.
    void SetBackupDirectory(std::string directory) { backupDirectory_ = std::move(directory); }
    void SetVerify(bool verify) { verify_ = verify; }
    // The time that names the backup file (the local time when not set).
    void SetClock(std::function<std::tm()> now) { now_ = std::move(now); }

    // False when nothing started: the backup file could not be created (nothing
    // sent to the radio), or the radio is busy; Outcome tells which.
    bool Start();
    bool IsRunning() const { return step_ != Step::Idle; }
    int Outcome() const { return outcome_; }
    // The step that decided the outcome (Idle after a full success).
    Step FailedStep() const { return failedStep_; }

    // The backup file (empty until one was created), and why none could be made.
    const std::string& BackupPath() const { return backupPath_; }
    const std::string& BackupError() const { return backupError_; }
    const indVerifyMismatch& Mismatch() const { return mismatch_; }

  private:
    bool Begin(Step step);
    void Continue(int outcome);
    // Ends with the outcome of a step that failed with outcome.
    void Fail(Step step, int outcome);
    void AfterBackup();
    void AfterWrite();
    void AfterVerify();
    void DropBackupFile();
    void Finish(int outcome, Step failed);

    indCloneCommands& commands_;
    std::string backupDirectory_;
    bool verify_ = false;
    std::function<std::tm()> now_;
    Step step_ = Step::Idle;
    Step failedStep_ = Step::Idle;
    int outcome_ = indCloneCommands::NotCompleted;
    std::string backupPath_;
    std::string backupError_;
    cmcEeprom sent_;
    std::vector<AddressRange> sentRanges_;
    indVerifyMismatch mismatch_;
};
