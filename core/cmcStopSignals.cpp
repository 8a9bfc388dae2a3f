#include "cmcStopSignals.h"

#include <csignal>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

volatile std::sig_atomic_t g_received = 0;
struct sigaction g_previous[kSignalCount];

extern "C" void OnStopSignal(int signalNumber) {
    if (g_received != 0) {
        // The second signal: the program ends at once, killed by it.
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    g_received = signalNumber;
}

}  // namespace

cmcStopSignals::cmcStopSignals() {
    g_received = 0;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (int i = 0; i < kSignalCount; ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
    }
}

cmcStopSignals::~cmcStopSignals() {
    for (int i = 0; i < kSignalCount; ++i) {
        sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    g_received = 0;  // a request belongs to the work it was meant to stop
}

int cmcStopSignals::Received() {
    return g_received;
}
