#pragma once
// The system's millisecond tick count (unsigned 32-bit, wrapping every 49.7
// days) behind an interface, so that time-dependent logic runs on a virtual
// clock in tests.

#include <cstdint>

class cmcClock {
  public:
    virtual ~cmcClock() = default;
    virtual uint32_t NowMs() const = 0;
    virtual void SleepMs(uint32_t ms) = 0;
};

// True when tick a is at or after tick b on the wrapping 32-bit scale.
inline bool TickAtOrAfter(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b) >= 0;
}

// The monotonic clock of the machine.
class cmcSystemClock : public cmcClock {
  public:
    uint32_t NowMs() const override;
    void SleepMs(uint32_t ms) override;
};

// The clock used by cmcTick and the timer hosts; the system clock unless replaced.
cmcClock& CurrentClock();
// Replaces the current clock (nullptr restores the system clock); returns the previous one.
cmcClock* SetCurrentClock(cmcClock* clock);
