#include "indVerifiedWrite.h"

#include <cstdio>

#include "BackupFile.h"
#include "indCloneCommands.h"

namespace {

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

indVerifyMismatch CompareRanges(const cmcEeprom& sent, const cmcEeprom& stored,
                                const std::vector<AddressRange>& ranges) {
    indVerifyMismatch mismatch;
    for (const AddressRange& range : ranges) {
        for (int a = range.start; a <= range.end; ++a) {
            // An address that one image lacks counts as differing.
            const bool both = sent.IsValidAddress(a) && stored.IsValidAddress(a);
            if (both && sent.GetByte(a) == stored.GetByte(a)) {
                continue;
            }
            if (!mismatch.ranges.empty() && mismatch.ranges.back().second == a - 1) {
                mismatch.ranges.back().second = a;
            } else {
                mismatch.ranges.emplace_back(a, a);
            }
            if (mismatch.count++ == 0) {
                mismatch.address = a;
                mismatch.sent = sent.IsValidAddress(a) ? sent.GetByte(a) : 0;
                mismatch.stored = stored.IsValidAddress(a) ? stored.GetByte(a) : 0;
            }
        }
    }
    return mismatch;
}

indVerifiedWrite::indVerifiedWrite(indCloneCommands& commands) : commands_(commands) {
    commands_.SetFinished([this](int outcome) { Continue(outcome); });
}

indVerifiedWrite::~indVerifiedWrite() {
    commands_.SetFinished(nullptr);
}

bool indVerifiedWrite::Start() {
    if (IsRunning()) {
        return false;
    }
    outcome_ = indCloneCommands::NotCompleted;
    failedStep_ = Step::Idle;
    backupPath_.clear();
    backupError_.clear();
    mismatch_ = {};
    if (backupDirectory_.empty()) {
        return Begin(Step::Write);
    }
    // The file is made first, so that a folder that takes none stops everything
    // before the radio is even asked.
    if (!BackupFile::ReserveBackupFile(backupDirectory_, now_ ? now_() : LocalNow(), backupPath_,
                                       backupError_)) {
        Fail(Step::Backup, BackupFailed);
        return false;
    }
    if (!Begin(Step::Backup)) {
        DropBackupFile();
        return false;
    }
    return true;
}

bool indVerifiedWrite::Begin(Step step) {
    step_ = step;
    const bool started = step == Step::Write ? commands_.CloneWrite() : commands_.ReadRadioImage();
    if (!started) {
        step_ = Step::Idle;
    }
    return started;
}

void indVerifiedWrite::Continue(int outcome) {
    if (step_ == Step::Idle) {
        return;  // a command this object did not start
    }
    if (outcome != 0) {
        Fail(step_, outcome);
        return;
    }
    switch (step_) {
        case Step::Backup:
            AfterBackup();
            break;
        case Step::Write:
            AfterWrite();
            break;
        default:
            AfterVerify();
            break;
    }
}

void indVerifiedWrite::Fail(Step step, int outcome) {
    if (step == Step::Backup) {
        DropBackupFile();
    }
    // The write keeps its clone result code; the steps around it have their own.
    const int code = step == Step::Backup   ? BackupFailed
                     : step == Step::Verify ? VerifyReadFailed
                                            : outcome;
    Finish(code, step);
}

void indVerifiedWrite::AfterBackup() {
    if (BackupFile::SaveBackupImage(backupPath_, commands_.LastTransferImage(),
                                    commands_.LastTransferRanges()) != 0) {
        backupError_ = "the clone file could not be written";
        Fail(Step::Backup, BackupFailed);
    } else if (!Begin(Step::Write)) {
        Fail(Step::Write, indCloneCommands::NotCompleted);
    }
}

void indVerifiedWrite::AfterWrite() {
    if (!verify_) {
        Finish(0, Step::Idle);
        return;
    }
    // The next read replaces the commands' copy of what was sent.
    sent_.Assign(commands_.LastTransferImage());
    sentRanges_ = commands_.LastTransferRanges();
    if (!Begin(Step::Verify)) {
        Fail(Step::Verify, indCloneCommands::NotCompleted);
    }
}

void indVerifiedWrite::AfterVerify() {
    // The radio sends its whole image; only the written ranges are compared.
    mismatch_ = CompareRanges(sent_, commands_.LastTransferImage(), sentRanges_);
    if (mismatch_.count > 0) {
        Finish(VerifyMismatch, Step::Verify);
    } else {
        Finish(0, Step::Idle);
    }
}

void indVerifiedWrite::DropBackupFile() {
    if (!backupPath_.empty()) {
        std::remove(backupPath_.c_str());
        backupPath_.clear();
    }
}

void indVerifiedWrite::Finish(int outcome, Step failed) {
    step_ = Step::Idle;
    outcome_ = outcome;
    failedStep_ = failed;
}
