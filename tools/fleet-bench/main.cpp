// fleet-bench [RADIOS]: writes one image to 1 and then RADIOS (default 4)
// simulated radios at 38400 baud, each simulator pacing at the line's speed,
// and sets each run's total time against the wire time of one radio's
// exchanges (bytes x 10 / baud). The ports run side by side, so the goal is a
// ratio close to 1. Not a test: it prints figures.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ChLayout.h"
#include "SimProcess.h"
#include "cmcClock.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcTimerHost.h"
#include "indDocument.h"
#include "indFleetRun.h"

namespace {

struct Figures {
    int radios = 0;
    int failures = 0;
    uint32_t totalMs = 0;
    double wireMs = 0;  // the longest of the ports' radios
};

Figures Run(const std::string& file, const std::string& log, int radios) {
    std::vector<std::unique_ptr<SimProcess>> sims;
    indFleetSetup setup;
    setup.file = file;
    setup.logFile = log;
    setup.options.highSpeed = true;
    setup.count = radios;
    for (int i = 0; i < radios; ++i) {
        sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{"--pace"}));
        setup.ports.push_back(sims.back()->Device());
    }
    cmcScriptedMessageBox boxes;  // the confirmation answered OK
    boxes.Answer(cmcMbResult::Ok);
    cmcMessageBoxHost* previous = SetCurrentMessageBoxHost(&boxes);
    Figures f;
    indFleetRun run;
    const uint32_t start = CurrentClock().NowMs();
    if (run.Prepare(setup) && run.Start()) {
        DefaultLoopTimerHost().RunUntil([&] { return !run.IsRunning(); }, 10 * 60 * 1000);
    }
    f.totalMs = CurrentClock().NowMs() - start;
    f.radios = run.Radios();
    f.failures = run.Failures();
    for (size_t i = 0; i < run.PortCount(); ++i) {
        f.wireMs = std::max(f.wireMs, run.Port(i).LastWireMs());
    }
    SetCurrentMessageBoxHost(previous);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argc > 0 ? argv[0] : "fleet-bench");
    const int radios = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    char folder[] = "/tmp/fleet-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::fprintf(stderr, "fleet-bench: cannot make a temporary folder\n");
        return 1;
    }
    const std::string dir = folder;
    const std::string file = dir + "/fleet.clf";
    {
        indDocument doc;
        doc.Start();
        const uint8_t channel[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};  // 145.500 MHz
        doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), channel, 6);
        if (!doc.SaveToFile(file)) {
            std::fprintf(stderr, "fleet-bench: cannot save %s\n", file.c_str());
            return 1;
        }
    }
    std::printf("%7s %7s %9s %16s %6s\n", "radios", "failed", "total s", "one radio wire s",
                "ratio");
    int failures = 0;
    for (const int n : {1, radios}) {
        const Figures f = Run(file, dir + "/log" + std::to_string(n) + ".csv", n);
        failures += f.failures + (f.radios == n ? 0 : 1);
        std::printf("%7d %7d %9.2f %16.2f %6.3f\n", f.radios, f.failures, f.totalMs / 1000.0,
                    f.wireMs / 1000.0, f.wireMs > 0 ? f.totalMs / f.wireMs : 0.0);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(dir);
    return failures == 0 ? 0 : 1;
}
