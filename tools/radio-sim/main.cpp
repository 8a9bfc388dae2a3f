// orvane-radio-sim: a radio of this family on a pseudo-terminal. Prints the
// device path on its first line of output, then a line for everything the
// radio does, and serves exchanges until it is stopped (SIGINT or SIGTERM).

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "SimImageFile.h"
#include "SimOptions.h"
#include "SimPtyLine.h"
#include "SimRadio.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

void Print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Two 16-character comments, model bits, revision 1.0, and channels off the
// 5 kHz and 6.25 kHz grids accepted (byte 34, bit 6).
std::vector<uint8_t> DefaultInfo() {
    const std::string comments = "SIMULATED RADIO ORVANE-RADIO-SIM";
    std::vector<uint8_t> info(comments.begin(), comments.end());
    info.resize(38, 0);
    info[33] = 0x10;
    info[34] = 0x40;
    return info;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "orvane-radio-sim: %s\n%s", error.c_str(), SimUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(SimUsage, stdout);
        return 0;
    }
    SimConfig config;
    config.mapRevision = options.mapRevision;
    config.info = options.info.empty() ? DefaultInfo() : options.info;
    config.faults = options.faults;
    if (options.imageFile.empty()) {
        DefaultSimImage(config.image, options.mapRevision);
    } else if (!LoadSimImage(options.imageFile, config.image, error)) {
        std::fprintf(stderr, "orvane-radio-sim: %s\n", error.c_str());
        return 1;
    }
    SimPtyLine line;
    if (!line.Open(options.linkPath, error)) {
        std::fprintf(stderr, "orvane-radio-sim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    Print(line.DevicePath());

    SimRadio radio(std::move(config));
    line.Serve(radio, options.pace, g_stop, [&](const std::string& event) {
        Print(event);
        if (event.rfind("write ", 0) == 0 && !options.saveFile.empty()) {
            std::string saveError;
            if (SaveSimImage(options.saveFile, radio.Written(), radio.WrittenRanges(), saveError)) {
                Print("saved " + options.saveFile);
            } else {
                Print(saveError);
            }
        }
    });
    return 0;
}
