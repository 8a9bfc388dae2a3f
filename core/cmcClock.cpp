#include "cmcClock.h"

#include <time.h>

namespace {
cmcClock* g_clock = nullptr;
}

uint32_t cmcSystemClock::NowMs() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ms =
        static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

void cmcSystemClock::SleepMs(uint32_t ms) {
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

cmcClock& CurrentClock() {
    static cmcSystemClock system;
    return g_clock != nullptr ? *g_clock : system;
}

cmcClock* SetCurrentClock(cmcClock* clock) {
    cmcClock* previous = g_clock;
    g_clock = clock;
    return previous;
}
