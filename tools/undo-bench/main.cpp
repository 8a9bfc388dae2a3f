// undo-bench [ROUNDS]: how long Undo and Redo of one step take that changed
// all 256 channel records and names (as a 256-channel paste does), and how
// much memory 1000 steps of single-cell edits (one frequency each) keep.

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ChLayout.h"
#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "indUndoHistory.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The resident set of the process in bytes.
long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);

    // One step over every channel record and name.
    indUndoHistory paste;
    paste.Begin(image, 0, "Paste 1-1 to 16-16", {});
    for (int ch = 0; ch < ChLayout::ChannelCount; ++ch) {
        for (int i = 0; i < ChLayout::ChannelSize; ++i) {
            image.SetByte(ChLayout::ChannelBase + ch * ChLayout::ChannelSize + i,
                          static_cast<uint8_t>(ch + i + 1));
        }
        for (int i = 0; i < ChLayout::NameSize; ++i) {
            image.SetByte(ChLayout::NameBase + ch * ChLayout::NameSize + i, 'A');
        }
    }
    paste.End(image, 0);
    double undo = 0, redo = 0, worst = 0;
    for (int r = 0; r < rounds; ++r) {
        Clock::time_point t = Clock::now();
        paste.Undo(image);
        const double u = MsSince(t);
        t = Clock::now();
        paste.Redo(image);
        const double d = MsSince(t);
        undo += u;
        redo += d;
        worst = std::max({worst, u, d});
    }
    std::printf(
        "256-channel step: undo %.3f ms, redo %.3f ms (mean of %d), worst %.3f ms; "
        "step keeps %zu bytes\n",
        undo / rounds, redo / rounds, rounds, worst, paste.MemoryUsed());

    // 1000 single-cell edits: six frequency bytes each, on changing channels.
    const long residentBefore = ResidentBytes();
    indUndoHistory edits;
    for (int n = 0; n < 1000; ++n) {
        edits.Begin(
            image, 0,
            "RX freq [MHz] " + std::to_string(n / 16 + 1) + "-" + std::to_string(n % 16 + 1),
            {"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0", 12 + n % 16, 3});
        const int at = ChLayout::ChannelBase + (n % ChLayout::ChannelCount) * ChLayout::ChannelSize;
        for (int i = 0; i < 6; ++i) {
            image.SetByte(at + i, static_cast<uint8_t>(image.GetByte(at + i) + 1));
        }
        edits.End(image, 0);
    }
    const long residentAfter = ResidentBytes();
    std::printf(
        "1000 single-cell steps: %zu steps kept, %.1f KiB counted, resident set grew "
        "%.1f KiB\n",
        edits.UndoCount(), static_cast<double>(edits.MemoryUsed()) / 1024.0,
        static_cast<double>(residentAfter - residentBefore) / 1024.0);
    return 0;
}
