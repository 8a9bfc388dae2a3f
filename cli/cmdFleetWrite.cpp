// fleet-write FILE --ports DEV[,DEV...] [--per-radio RADIOS.csv] [--verify]
// [--backup DIR] --log LOG.csv [--yes] [--count N] [--high-speed]: writes the
// clone file to the radios on every port at once, then to the next radio on
// each port, each with its own values, until N radios are done, the rows run
// out or a stop signal comes; one log record per radio.

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "ArgParse.h"
#include "cliAskHost.h"
#include "cliCommand.h"
#include "cmcStopSignals.h"
#include "cmcTimerHost.h"
#include "indFleetRun.h"

namespace {

std::vector<std::string> SplitPorts(const std::string& list) {
    std::vector<std::string> ports;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        ports.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) {
            return ports;
        }
        start = comma + 1;
    }
}

void PrintRecord(const indFleetRecord& r) {
    std::printf("%s: %s%s%s (result %d)%s%s\n", r.port.c_str(),
                r.row > 0 ? ("row " + std::to_string(r.row) + ": ").c_str() : "", r.message.c_str(),
                r.verification.empty() ? "" : (", " + r.verification).c_str(), r.result,
                r.backup.empty() ? "" : ", backup ", r.backup.c_str());
    std::fflush(stdout);
}

}  // namespace

int CmdFleetWrite(const cliArgs& args) {
    indFleetSetup setup;
    setup.file = args.positional[0];
    setup.ports = SplitPorts(args.Option("--ports"));
    setup.radiosFile = args.Option("--per-radio");
    setup.logFile = args.Option("--log");
    setup.options.highSpeed = args.Flag("--high-speed");
    setup.options.verify = args.Flag("--verify");
    setup.options.backupDirectory = args.Option("--backup");
    for (const char* name : {"--backup", "--per-radio", "--log"}) {
        if (args.options.count(name) > 0 && args.Option(name).empty()) {
            std::fprintf(stderr, "orvane-cli: option %s needs a value\n", name);
            return ExitUsage;
        }
    }
    if (args.options.count("--count") > 0) {
        const auto count = ArgParse::StrictInt(args.Option("--count"), 1, INT_MAX);
        if (!count) {
            std::fprintf(stderr, "orvane-cli: --count takes a whole number of 1 or more\n");
            return ExitUsage;
        }
        setup.count = *count;
    }

    cmcStopSignals stopSignals;
    cliAskHost asker(args.yes);
    cmcMessageBoxHost* previous = SetCurrentMessageBoxHost(&asker);
    int status = ExitStatus::Ok;
    {
        indFleetRun run;
        run.SetHooks({PrintRecord, nullptr,
                      [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }});
        if (!run.Prepare(setup)) {
            if (run.OpenCode() != 0) {
                status =
                    ExitStatus::ForCloneFile(run.OpenCode());  // the reader has shown its message
            } else {
                std::fprintf(stderr, "orvane-cli: %s\n", run.Error().c_str());
                status = run.LogUnwritable() || run.RadiosUnreadable() ? ExitStatus::FileFailed
                                                                       : ExitUsage;
            }
        } else if (cmcStopSignals::Received() != 0 || !run.Start()) {
            std::fprintf(stderr, "orvane-cli: %s\n",
                         run.LogUnwritable() ? run.Error().c_str()
                                             : "not confirmed; nothing was sent to any radio");
            status =
                run.LogUnwritable() ? ExitStatus::FileFailed : ExitStatus::Refused;  // nothing sent
        } else {
            bool stopAsked = false;
            while (run.IsRunning()) {
                DefaultLoopTimerHost().RunUntil(
                    [&] { return !run.IsRunning() || (!stopAsked && cmcStopSignals::Received()); },
                    200);
                if (!stopAsked && cmcStopSignals::Received() != 0) {
                    stopAsked = true;
                    std::fprintf(stderr,
                                 "orvane-cli: stopping: the running writes end, no further radio "
                                 "is taken\n");
                    run.Stop();
                }
            }
            std::printf("%d radio(s), %d failed\n", run.Radios(), run.Failures());
            status = run.LogFailed()      ? ExitStatus::FileFailed
                     : run.Failures() > 0 ? ExitStatus::FleetFailures
                                          : ExitStatus::Ok;
        }
    }
    SetCurrentMessageBoxHost(previous);
    return status;
}
