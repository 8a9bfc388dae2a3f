#include "cmcTick.h"

#include "cmcClock.h"

uint32_t cmcTick::Now() const {
    return (clock_ != nullptr ? *clock_ : CurrentClock()).NowMs();
}

void cmcTick::Start(uint32_t ms) {
    period_ = ms;
    start_ = Now();
    running_ = true;
}

uint32_t cmcTick::Remaining() {
    if (!running_) {
        return 0;
    }
    const uint32_t elapsed = Now() - start_;  // unsigned arithmetic wraps modulo 2^32
    if (elapsed < period_) {
        return period_ - elapsed;
    }
    running_ = false;
    return 0;
}
