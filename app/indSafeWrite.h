#pragma once
// Clone > Write with the stored safeguards of the window: "Verify after
// writing" and "Back up the radio first" (into the backup folder, by default
// the user's data directory). The outcomes are those of write --verify and
// --backup; the message says what happened, and after a failed verification
// which addresses differ and that the radio should be written again.

#include <memory>
#include <string>

#include "indVerifiedWrite.h"

// $XDG_DATA_HOME/Orvane/backups, or ~/.local/share/Orvane/backups.
std::string DefaultBackupFolder();

// The user's message for a finished safeguarded write ("" when the clone
// commands have shown their own).
std::string SafeWriteMessage(const indVerifiedWrite& write, const std::string& folder, bool verify);

class indSafeWrite {
  public:
    explicit indSafeWrite(indCloneCommands& commands) : commands_(commands) {}

    // Starts the write with its safeguards (the backup folder is made first
    // when missing). False when nothing runs; Finished() then has the outcome.
    bool Start(bool verify, const std::string& backupFolder);
    bool IsRunning() const { return write_ && write_->IsRunning(); }
    // Once: true with the outcome's message when a started write has ended.
    bool TakeFinished(std::string& message, bool& failed);

  private:
    indCloneCommands& commands_;
    std::unique_ptr<indVerifiedWrite> write_;
    std::string folder_;
    bool verify_ = false;
};
