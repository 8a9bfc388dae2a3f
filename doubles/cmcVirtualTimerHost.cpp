#include "cmcVirtualTimerHost.h"

#include <algorithm>

void cmcVirtualTimerHost::Advance(uint32_t ms) {
    const uint32_t target = virtualClock_.NowMs() + ms;
    for (;;) {
        RunDue();  // afterwards every entry is due at least 1 ms from now
        // A callback may have run a nested loop that moved the clock past the target.
        const int64_t left = static_cast<int32_t>(target - virtualClock_.NowMs());
        const int64_t next = MsToNextDue();
        if (left <= 0 || next < 0 || next > left) {
            break;
        }
        virtualClock_.Advance(static_cast<uint32_t>(std::max<int64_t>(1, next)));
    }
    if (TickAtOrAfter(target, virtualClock_.NowMs())) {
        virtualClock_.Set(target);
    }
}

bool cmcVirtualTimerHost::AdvanceUntil(const std::function<bool()>& done, uint32_t maxMs) {
    for (uint32_t t = 0; t < maxMs && !done(); ++t) {
        Advance(1);
    }
    return done();
}
