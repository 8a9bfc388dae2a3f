#include "cliCloneSession.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "DocumentChecks.h"
#include "cmcGTex.h"
#include "cmcTimerHost.h"

namespace {

// Longer than any exchange can last: each stops itself within seconds of the radio's silence.
constexpr uint32_t CommandLimitMs = 30 * 60 * 1000;

bool Allowed(const std::vector<std::string>& allowed, const std::string& word) {
    return std::find(allowed.begin(), allowed.end(), word) != allowed.end();
}

// The failure hints that name the window's Port menu and speed setting, in this program's words.
const CloneHintTexts kCommandLineHints = {
    {1, "- Check that --port names the serial device the cloning cable is plugged into."},
    {3, "- If the problem persists, try again without --high-speed."},
};

}  // namespace

bool CheckPortOption(const std::string& port) {
    if (port.find_first_not_of(" \t\n\v\f\r") != std::string::npos) {
        return true;
    }
    std::fprintf(stderr, "orvane-cli: option --port names no serial device (it is %s)\n",
                 port.empty() ? "empty" : "blank");
    return false;
}

bool CheckTraceOption(const std::string& trace) {
    if (trace.empty()) {
        std::fprintf(stderr, "orvane-cli: option --trace needs a file name\n");
        return false;
    }
    return true;
}

bool ParseCloneArgs(const std::vector<std::string>& words, const std::vector<std::string>& allowed,
                    size_t fileCount, cliCloneArgs& args) {
    bool portGiven = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool known = Allowed(allowed, w);
        if (known && (w == "--port" || w == "-o" || w == "--trace")) {
            if (i + 1 >= words.size()) {
                std::fprintf(stderr, "orvane-cli: option %s needs a value\n", w.c_str());
                return false;
            }
            portGiven = portGiven || w == "--port";
            (w == "--port" ? args.port : w == "-o" ? args.output : args.trace) = words[++i];
            if (w == "--trace" && !CheckTraceOption(args.trace)) {
                return false;
            }
        } else if (known && w == "--high-speed") {
            args.highSpeed = true;
        } else if (known && w == "--yes") {
            args.yes = true;
        } else if (w.size() > 1 && w[0] == '-') {
            std::fprintf(stderr, "orvane-cli: unknown option %s\n", w.c_str());
            return false;
        } else {
            args.files.push_back(w);
        }
    }
    if (!portGiven || (Allowed(allowed, "-o") && args.output.empty())) {
        std::fprintf(stderr, "orvane-cli: option %s is required\n", !portGiven ? "--port" : "-o");
        return false;
    }
    if (!CheckPortOption(args.port)) {
        return false;
    }
    if (args.files.size() != fileCount) {
        std::fprintf(stderr, "orvane-cli: wrong number of arguments\n");
        return false;
    }
    return true;
}

cliCloneSession::cliCloneSession(const cliCloneArgs& args)
    : asker_(args.yes),
      previousHost_(SetCurrentMessageBoxHost(&asker_)),
      commands_(document_, manager_),
      context_(document_, menuCommands_, GTex()) {
    document_.Start();
    manager_.SetHost(this);
    manager_.SetHintTexts(kCommandLineHints);
    manager_.SetStopRequest([this] { return Interrupted(); });
    // Clone Write runs the warning check list; an error stops it before any write request.
    commands_.SetWarningCheck([this] { return DocumentChecks::CheckDocument(context_); });
    const indLinkSettings link{1, args.highSpeed, args.port};
    manager_.SetLinkSettings([link] { return link; });
    if (!args.trace.empty()) {
        traceReady_ = trace_.Open(args.trace);
        manager_.SetTrace(traceReady_ ? &trace_ : nullptr);
    }
}

cliCloneSession::~cliCloneSession() {
    manager_.SetTrace(nullptr);
    trace_.Close();
    SetCurrentMessageBoxHost(previousHost_);
}

int cliCloneSession::Run(bool (indCloneCommands::*command)()) {
    if (!Ready()) {
        return ExitStatus::FileFailed;
    }
    if (Interrupted() || !(commands_.*command)()) {
        return Status(indCloneCommands::NotCompleted);
    }
    if (!Wait([&] { return !commands_.IsRunning(); })) {
        return ExitStatus::InternalFault;
    }
    return Status(commands_.LastOutcome());
}

int cliCloneSession::Status(int outcome) const {
    if (outcome == 0) {
        return ExitStatus::Ok;
    }
    if (!Interrupted()) {
        return ExitStatus::ForExchange(outcome);
    }
    std::fprintf(stderr, "orvane-cli: stopped by signal %d (%s)\n", cmcStopSignals::Received(),
                 strsignal(cmcStopSignals::Received()));
    return ExitInterrupted;
}

bool cliCloneSession::Wait(const std::function<bool()>& done) {
    if (DefaultLoopTimerHost().RunUntil(done, CommandLimitMs)) {
        return true;
    }
    std::fprintf(stderr, "orvane-cli: the exchange with the radio did not end; gave up waiting\n");
    return false;
}

void cliCloneSession::ShowProgress() {
    shownCells_ = -1;
}

void cliCloneSession::UpdateProgress(const indCloneProgress& progress) {
    const int filled = std::min(progress.Filled(), indCloneProgress::Cells);
    if (filled == shownCells_ && progress.done == shownDone_) {
        return;
    }
    if (filled == shownCells_ && progress.done < progress.total) {
        return;
    }
    shownCells_ = filled;
    shownDone_ = progress.done;
    std::fprintf(stderr, "\r[%s%s] %d/%d bytes", std::string(filled, '#').c_str(),
                 std::string(indCloneProgress::Cells - filled, '.').c_str(), progress.done,
                 progress.total);
    std::fflush(stderr);
}

void cliCloneSession::HideProgress() {
    if (shownCells_ >= 0) {
        std::fprintf(stderr, "\n");
    }
    shownCells_ = -1;
}
