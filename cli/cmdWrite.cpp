// write --port DEV FILE [--high-speed] [--yes] [--verify] [--backup DIR] [--trace TRACE]: opens
// the clone file and writes it into the radio; with --backup the radio's image
// is saved in DIR first, with --verify the radio is read back and compared.

#include <cstdio>
#include <utility>

#include "OutputPath.h"
#include "cliCloneSession.h"
#include "cliCommand.h"
#include "indVerifiedWrite.h"

namespace {

// The outcomes of the safeguards and their exit statuses.
constexpr std::pair<int, int> kSafeguardStatuses[] = {
    {indVerifiedWrite::VerifyMismatch, ExitStatus::VerifyMismatch},
    {indVerifiedWrite::BackupFailed, ExitStatus::BackupFailed},
    {indVerifiedWrite::VerifyReadFailed, ExitStatus::VerifyReadFailed},
};

// The exit status of a write with its safeguards: a safeguard's own status,
// unless a stop signal came first.
int WriteStatus(const cliCloneSession& session, int outcome) {
    for (const auto& [safeguard, status] : kSafeguardStatuses) {
        if (outcome == safeguard && !session.Interrupted()) {
            return status;
        }
    }
    return session.Status(outcome);
}

void ReportFailure(const indVerifiedWrite& write, const std::string& directory) {
    const indVerifyMismatch& m = write.Mismatch();
    switch (write.Outcome()) {
        case indVerifiedWrite::BackupFailed:
            std::fprintf(stderr,
                         "orvane-cli: no backup could be saved in %s%s%s; nothing was "
                         "written to the radio\n",
                         directory.c_str(), write.BackupError().empty() ? "" : ": ",
                         write.BackupError().c_str());
            break;
        case indVerifiedWrite::VerifyReadFailed:
            std::fprintf(stderr,
                         "orvane-cli: the image was written, but the radio could not be "
                         "read back to verify it\n");
            break;
        case indVerifiedWrite::VerifyMismatch:
            std::fprintf(stderr,
                         "orvane-cli: verification failed: %d byte(s) in the radio differ from "
                         "what was sent, the first at address %04X (sent %02X, radio holds "
                         "%02X)\n",
                         m.count, m.address, m.sent, m.stored);
            break;
        default:
            break;  // the clone commands have shown their message
    }
}

// The write with its safeguards; the exit status.
int RunVerifiedWrite(cliCloneSession& session, const cliArgs& args) {
    const std::string directory = args.Option("--backup");
    indVerifiedWrite write(session.Commands());
    write.SetBackupDirectory(directory);
    write.SetVerify(args.Flag("--verify"));
    if (session.Interrupted()) {
        return session.Status(indCloneCommands::NotCompleted);
    }
    if (write.Start() && !session.Wait([&] { return !write.IsRunning(); })) {
        return ExitStatus::InternalFault;
    }
    if (!write.BackupPath().empty()) {
        std::printf("backup: %s\n", write.BackupPath().c_str());
    }
    if (write.Outcome() == 0 && args.Flag("--verify")) {
        std::printf("verified: the radio holds what was sent\n");
    }
    ReportFailure(write, directory);
    return WriteStatus(session, write.Outcome());
}

}  // namespace

int CmdWrite(const cliArgs& args) {
    const bool backup = args.options.count("--backup") > 0;
    if (backup && args.Option("--backup").empty()) {
        std::fprintf(stderr, "orvane-cli: option --backup needs a folder\n");
        return ExitUsage;
    }
    cliCloneArgs clone;
    clone.port = args.Option("--port");
    if (!CheckPortOption(clone.port)) {
        return ExitUsage;
    }
    clone.highSpeed = args.Flag("--high-speed");
    clone.trace = args.Option("--trace");
    if (args.options.count("--trace") > 0 && !CheckTraceOption(clone.trace)) {
        return ExitUsage;
    }
    if (!clone.trace.empty() &&
        !OutputPath::OutputSparesInputs("write", clone.trace, {args.positional[0]})) {
        return ExitUsage;
    }
    clone.yes = args.yes;
    cliCloneSession session(clone);
    if (!session.Ready()) {
        return ExitStatus::FileFailed;
    }
    const int opened = session.Document().OpenFile(args.positional[0]);
    if (opened != 0) {
        return ExitStatus::ForCloneFile(opened);  // the reader has shown its message
    }
    if (!backup && !args.Flag("--verify")) {
        return session.Run(&indCloneCommands::CloneWrite);
    }
    return RunVerifiedWrite(session, args);
}
