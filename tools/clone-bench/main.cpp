// clone-bench: times Clone Read and Clone Write against orvane-radio-sim
// pacing at the line's speed, with the high-speed setting off (everything at
// 9600 baud) and on (transfers at 38400 baud), and sets each total time
// against the wire time of the bytes that crossed the line (bytes x 10 / baud,
// summed over the command's exchanges). Not a test: it prints figures.

#include <cstdio>
#include <string>
#include <vector>

#include "ChLayout.h"
#include "SimProcess.h"
#include "cmcClock.h"
#include "cmcEvMan.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcTimerHost.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"

namespace {

// Adds up the wire time of every exchange as it ends, and times the transfer.
class WireMeter : public indCloneManHost {
  public:
    explicit WireMeter(indCloneMan& manager) : manager_(manager) {}

    void EnableMainWindow(bool enabled) override {
        if (enabled) {  // an exchange has ended
            const cmcCloneDrv& driver = manager_.Driver();
            const int baud = manager_.Driver().Port().Line().baud;
            bytes += driver.BytesOnWire();
            wireMs += baud > 0 ? driver.BytesOnWire() * 10000.0 / baud : 0;
            lastBytes = driver.BytesOnWire();
            lastWireMs = baud > 0 ? lastBytes * 10000.0 / baud : 0;
        }
    }
    void ShowProgress() override { transferStart = CurrentClock().NowMs(); }
    void HideProgress() override { transferMs = CurrentClock().NowMs() - transferStart; }

    int bytes = 0;
    double wireMs = 0;
    int lastBytes = 0;
    double lastWireMs = 0;
    uint32_t transferStart = 0;
    uint32_t transferMs = 0;

  private:
    indCloneMan& manager_;
};

struct Figures {
    int outcome = -1;
    uint32_t totalMs = 0;
    double wireMs = 0;
    int bytes = 0;
    uint32_t transferMs = 0;
    double transferWireMs = 0;
};

Figures Measure(const std::string& device, bool highSpeed, bool write) {
    cmcScriptedMessageBox boxes;  // confirmations answered OK
    boxes.Answer(cmcMbResult::Ok);
    cmcMessageBoxHost* previousBox = SetCurrentMessageBoxHost(&boxes);
    indDocument doc;
    doc.Start();
    const uint8_t channel[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};  // 145.500 MHz
    doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), channel, 6);
    indCloneMan manager;
    WireMeter meter(manager);
    manager.SetHost(&meter);
    manager.SetLinkSettings([&] { return indLinkSettings{1, highSpeed, device}; });
    indCloneCommands commands(doc, manager);

    Figures f;
    const uint32_t start = CurrentClock().NowMs();
    const bool started = write ? commands.CloneWrite() : commands.CloneRead();
    if (started) {
        DefaultLoopTimerHost().RunUntil([&] { return !commands.IsRunning(); }, 10 * 60 * 1000);
        f.outcome = commands.LastOutcome();
    }
    f.totalMs = CurrentClock().NowMs() - start;
    f.wireMs = meter.wireMs;
    f.bytes = meter.bytes;
    f.transferMs = meter.transferMs;
    f.transferWireMs = meter.lastWireMs;
    SetCurrentMessageBoxHost(previousBox);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argc > 0 ? argv[0] : "clone-bench");
    SimProcess sim({"--pace"});
    if (!sim.Started()) {
        std::fprintf(stderr, "clone-bench: orvane-radio-sim did not start\n");
        return 1;
    }
    std::printf("%-6s %-6s %7s %9s %9s %6s   %11s %11s %6s\n", "", "baud", "bytes", "total s",
                "wire s", "ratio", "transfer s", "its wire s", "ratio");
    int failures = 0;
    for (const bool write : {false, true}) {
        for (const bool high : {false, true}) {
            const Figures f = Measure(sim.Device(), high, write);
            failures += f.outcome == 0 ? 0 : 1;
            std::printf("%-6s %-6d %7d %9.2f %9.2f %6.3f   %11.2f %11.2f %6.3f%s\n",
                        write ? "write" : "read", high ? 38400 : 9600, f.bytes, f.totalMs / 1000.0,
                        f.wireMs / 1000.0, f.wireMs > 0 ? f.totalMs / f.wireMs : 0.0,
                        f.transferMs / 1000.0, f.transferWireMs / 1000.0,
                        f.transferWireMs > 0 ? f.transferMs / f.transferWireMs : 0.0,
                        f.outcome == 0 ? "" : "  FAILED");
            std::fflush(stdout);
        }
    }
    return failures == 0 ? 0 : 1;
}
