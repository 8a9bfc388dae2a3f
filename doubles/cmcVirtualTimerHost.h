#pragma once
// A clock that moves only when told to, and a timer host that runs on it, so
// that timed logic runs in tests without waiting.

#include <cstdint>
#include <functional>

#include "cmcClock.h"
#include "cmcTimerHost.h"

// A clock that moves only when told to (tests, simulations).
class cmcVirtualClock : public cmcClock {
  public:
    explicit cmcVirtualClock(uint32_t start = 0) : now_(start) {}
    uint32_t NowMs() const override { return now_; }
    void SleepMs(uint32_t ms) override { now_ += ms; }
    void Set(uint32_t now) { now_ = now; }
    void Advance(uint32_t ms) { now_ += ms; }

  private:
    uint32_t now_;
};

// Test host on a virtual clock: Advance moves time in steps from one due time
// to the next, firing tasks in time order.
struct cmcVirtualClockHolder {
    explicit cmcVirtualClockHolder(uint32_t start) : virtualClock_(start) {}
    cmcVirtualClock virtualClock_;
};
class cmcVirtualTimerHost : private cmcVirtualClockHolder, public cmcScheduledTimerHost {
  public:
    explicit cmcVirtualTimerHost(uint32_t start = 0)
        : cmcVirtualClockHolder(start), cmcScheduledTimerHost(virtualClock_) {}
    // Moves the clock forward by ms, firing every task that falls due on the way.
    void Advance(uint32_t ms);
    // Advances in 1 ms steps until done() is true or maxMs have passed; returns done().
    bool AdvanceUntil(const std::function<bool()>& done, uint32_t maxMs);
    cmcVirtualClock& VirtualClock() { return virtualClock_; }
};
