#pragma once
// The three radio commands on the document: Clone Read, Clone Write and
// Clone Information. Each starts with an information exchange that identifies
// the radio; the exchanges run on the clone manager's timer, so a command
// returns once its first exchange is under way and ends later (Finished).

#include <functional>
#include <vector>

#include "MemoryMap.h"
#include "dst_CDrv_Result.h"

class cmcEeprom;
class indCloneMan;
class indDocument;

// The warning check list before a clone write: the number of errors and of
// warnings in the working image.
struct indCheckCounts {
    int errors = 0;
    int warnings = 0;
};
using indWarningCheck = std::function<indCheckCounts()>;

// What the window does for the commands. Every hook may be left empty.
struct indCloneHooks {
    std::function<void()> closeSheet;     // the sheets are refreshed (the tick reopens the sheet)
    std::function<void()> showCloneInfo;  // the information window with "GI_Sheet_CloneInfo"
};

class indCloneCommands {
  public:
    // How a command ended: a clone result code (0 success), or one of these.
    static constexpr int NotCompleted = -1;  // cancelled or refused before a write

    // Installs the document's information and read handlers in the manager;
    // neither object is owned.
    indCloneCommands(indDocument& document, indCloneMan& manager);
    indCloneCommands(const indCloneCommands&) = delete;
    indCloneCommands& operator=(const indCloneCommands&) = delete;

    // Without a check list a write finds no errors.
    void SetWarningCheck(indWarningCheck check) { check_ = std::move(check); }
    void SetHooks(indCloneHooks hooks) { hooks_ = std::move(hooks); }
    // Called once when a started command has ended, with its outcome.
    void SetFinished(std::function<void(int outcome)> finished) { finished_ = std::move(finished); }

    // Each returns false when it did not start (cancelled, or the radio is busy).
    bool CloneRead();
    bool CloneWrite();
    bool CloneInfo();
    // Clone Read's exchanges without touching the document: the radio's image
    // stays in LastTransferImage (a backup, or a check of what a write stored).
    bool ReadRadioImage();

    bool IsRunning() const { return running_; }
    int LastOutcome() const { return outcome_; }
    // After a read or write that ended with 0: the image the radio delivered,
    // or the prepared image that was sent; and the ranges of that exchange.
    const cmcEeprom& LastTransferImage() const { return transferImage_; }
    const std::vector<AddressRange>& LastTransferRanges() const { return transferRanges_; }

  private:
    bool StartCommand(void (indCloneCommands::*afterInformation)(dst_CDrv_Result&));
    void ReadAfterInformation(dst_CDrv_Result& result);
    void ReadDone(dst_CDrv_Result& result);
    void WriteStep(dst_CDrv_Result& result);
    // Prepares the image for the radio, asks, and starts the write; true when started.
    bool PrepareAndWrite(const std::vector<AddressRange>& ranges);
    bool ConfirmWrite(bool channelsReplaced) const;
    void WriteDone(dst_CDrv_Result& result);
    void InfoDone(dst_CDrv_Result& result);
    void Finish(int outcome);

    indDocument& document_;
    indCloneMan& manager_;
    indWarningCheck check_;
    indCloneHooks hooks_;
    std::function<void(int)> finished_;
    bool running_ = false;
    bool secondInformation_ = false;
    bool imageOnly_ = false;  // the running read leaves the document alone
    int outcome_ = NotCompleted;
    cmcEeprom transferImage_;
    std::vector<AddressRange> transferRanges_;
};
