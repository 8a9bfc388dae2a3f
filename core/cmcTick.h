#pragma once
// One-shot countdown over the millisecond tick count, used for time-outs and
// delays. The elapsed time is taken modulo 2^32, so the tick count's wrap is harmless.

#include <cstdint>

class cmcClock;

class cmcTick {
  public:
    explicit cmcTick(cmcClock* clock = nullptr) : clock_(clock) {}

    void Start(uint32_t ms);
    // Milliseconds left; 0 once the period has passed (the tick then stops).
    uint32_t Remaining();
    bool IsRunning() const { return running_; }
    uint32_t Period() const { return period_; }

  private:
    uint32_t Now() const;

    uint32_t period_ = 0;
    uint32_t start_ = 0;
    bool running_ = false;
    cmcClock* clock_;
};
