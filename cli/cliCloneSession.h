#pragma once
// One radio command of orvane-cli: the document, the clone manager on the
// given device, the clone commands, questions on the terminal (or --yes) and
// the progress of reads and writes on stderr.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ExitStatus.h"
#include "cliAskHost.h"
#include "cliTraceFile.h"
#include "cmcStopSignals.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"
#include "indDocumentContext.h"

// Exit status of a radio command that a signal (SIGINT, SIGTERM, SIGHUP)
// stopped before it completed; after a write the radio may hold part of the
// image. A second signal ends the program at once, killed by that signal.
constexpr int ExitInterrupted = ExitStatus::WriteInterrupted;

// The arguments of the radio commands: --port DEV, --high-speed, -o FILE,
// --trace FILE, --yes and plain arguments, in any order.
struct cliCloneArgs {
    std::string port;
    std::string output;
    std::string trace;
    bool highSpeed = false;
    bool yes = false;
    std::vector<std::string> files;
};

// False with a message on stderr when port is empty or blank: no default
// device may stand in for it (an unset variable in a script must never reach a radio).
bool CheckPortOption(const std::string& port);
// False with a message on stderr when --trace was given an empty file name.
bool CheckTraceOption(const std::string& trace);

// False with a message on stderr for an argument outside allowed, a missing,
// empty or blank --port or the wrong number of plain arguments.
bool ParseCloneArgs(const std::vector<std::string>& words, const std::vector<std::string>& allowed,
                    size_t fileCount, cliCloneArgs& args);

class cliCloneSession : public indCloneManHost {
  public:
    explicit cliCloneSession(const cliCloneArgs& args);
    ~cliCloneSession() override;

    // False (with a message on stderr) when the --trace file could not be
    // created: the command then ends before the radio is asked.
    bool Ready() const { return traceReady_; }
    indDocument& Document() { return document_; }
    indCloneCommands& Commands() { return commands_; }
    // Runs a command of indCloneCommands to its end; the exit status of its outcome.
    int Run(bool (indCloneCommands::*command)());
    // The exit status of an outcome: 0, a clone result code or
    // indCloneCommands::NotCompleted (Refused). One that did not succeed after
    // a stop signal came is ExitInterrupted, with a line on stderr.
    int Status(int outcome) const;
    // Runs the exchanges until done() holds; false with a line on stderr when
    // it still did not after longer than any exchange can last (the caller's
    // status is then ExitStatus::InternalFault).
    bool Wait(const std::function<bool()>& done);
    bool Interrupted() const { return cmcStopSignals::Received() != 0; }

    void ShowProgress() override;
    void UpdateProgress(const indCloneProgress& progress) override;
    void HideProgress() override;

  private:
    class NoMenuCommands : public indCommands {};

    cmcStopSignals stopSignals_;
    cliTraceFile trace_;
    bool traceReady_ = true;
    cliAskHost asker_;
    cmcMessageBoxHost* previousHost_;
    indDocument document_;
    indCloneMan manager_;
    indCloneCommands commands_;
    NoMenuCommands menuCommands_;
    indDocumentContext context_;  // the item handler behind the warning check list
    int shownCells_ = -1;         // the progress last printed
    int shownDone_ = -1;
};
