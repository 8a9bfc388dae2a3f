#include "indSafeWrite.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "HexDigit.h"

std::string DefaultBackupFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (data != nullptr && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.local/share";
    }
    return base + "/Orvane/backups";
}

namespace {

// "0100-0103, 0400" (at most a few ranges, then how many more).
std::string Addresses(const indVerifyMismatch& m) {
    constexpr size_t kListed = 8;
    std::string out;
    for (size_t i = 0; i < m.ranges.size() && i < kListed; ++i) {
        const auto [first, last] = m.ranges[i];
        out += (i == 0 ? "" : ", ") + HexDigit::Address(first) +
               (last > first ? "-" + HexDigit::Address(last) : "");
    }
    if (m.ranges.size() > kListed) {
        out += " and " + std::to_string(m.ranges.size() - kListed) + " more ranges";
    }
    return out;
}

}  // namespace

std::string SafeWriteMessage(const indVerifiedWrite& write, const std::string& folder,
                             bool verify) {
    const indVerifyMismatch& m = write.Mismatch();
    std::string backup = write.BackupPath().empty()
                             ? ""
                             : "The radio's image was saved as " + write.BackupPath() + ".";
    switch (write.Outcome()) {
        case 0:
            return (verify ? std::string("Verified: the radio holds what was sent.") : "") +
                   (verify && !backup.empty() ? "\n" : "") + backup;
        case indVerifiedWrite::BackupFailed:
            return "No backup could be saved in " + folder +
                   (write.BackupError().empty() ? "" : ": " + write.BackupError()) +
                   ". Nothing was written to the radio.";
        case indVerifiedWrite::VerifyReadFailed:
            return "The image was written, but the radio could not be read back to verify "
                   "it. The radio should be written again.\n" +
                   backup;
        case indVerifiedWrite::VerifyMismatch:
            return "Verification failed: " + std::to_string(m.count) +
                   " byte(s) in the radio differ from what was sent, at " + Addresses(m) +
                   " (the first: sent " + HexDigit::Byte(m.sent) + ", the radio holds " +
                   HexDigit::Byte(m.stored) + "). The radio should be written again.\n" + backup;
        default:
            return {};  // the clone commands have shown their message
    }
}

bool indSafeWrite::Start(bool verify, const std::string& backupFolder) {
    if (IsRunning()) {
        return false;
    }
    folder_ = backupFolder;
    verify_ = verify;
    if (!folder_.empty()) {
        std::error_code ignored;  // a folder that cannot be made fails the backup with its reason
        std::filesystem::create_directories(folder_, ignored);
    }
    write_ = std::make_unique<indVerifiedWrite>(commands_);
    write_->SetBackupDirectory(folder_);
    write_->SetVerify(verify);
    return write_->Start();
}

bool indSafeWrite::TakeFinished(std::string& message, bool& failed) {
    if (!write_ || write_->IsRunning()) {
        return false;
    }
    message = SafeWriteMessage(*write_, folder_, verify_);
    failed = write_->Outcome() != 0;
    write_.reset();
    return true;
}
