#pragma once
// Runs the callbacks of periodic cmcTask timers on the one thread of the
// program. The window program drives a host from its message loop, the
// command-line tool from a polling loop, tests from a virtual clock.

#include <cstdint>
#include <functional>
#include <vector>

#include "cmcClock.h"

class cmcTask;

class cmcTimerHost {
  public:
    virtual ~cmcTimerHost() = default;
    // Starts the task's timer, or changes its period; the first tick comes one period from now.
    virtual void Schedule(cmcTask* task, uint32_t intervalMs) = 0;
    // Stops the task's timer; no tick reaches it afterwards.
    virtual void Cancel(cmcTask* task) = 0;
};

// A host that keeps the due times itself and fires due tasks when asked.
// Several may be in a pass; each fires at most once per pass, earliest first.
class cmcScheduledTimerHost : public cmcTimerHost {
  public:
    explicit cmcScheduledTimerHost(cmcClock& clock) : clock_(clock) {}
    ~cmcScheduledTimerHost() override;

    void Schedule(cmcTask* task, uint32_t intervalMs) override;
    void Cancel(cmcTask* task) override;

    // Fires every task due at the clock's current time. Returns how many fired.
    int RunDue();
    // Milliseconds until the next task is due (0 if one is due now); -1 when none is scheduled.
    int64_t MsToNextDue() const;
    bool HasTasks() const { return !entries_.empty(); }
    cmcClock& Clock() { return clock_; }

  protected:
    struct Entry {
        cmcTask* task;
        uint32_t interval;
        uint32_t due;
        uint64_t pass;
    };
    // Index of the earliest entry due at now not yet fired in this pass, or -1.
    int NextDue(uint32_t now, uint64_t pass) const;

    cmcClock& clock_;
    std::vector<Entry> entries_;
    uint64_t passes_ = 0;
};

// Host for programs without a window system loop: runs due tasks and sleeps on the real clock.
class cmcLoopTimerHost : public cmcScheduledTimerHost {
  public:
    explicit cmcLoopTimerHost(cmcClock& clock) : cmcScheduledTimerHost(clock) {}
    // Runs the loop for ms milliseconds.
    void RunFor(uint32_t ms);
    // Runs the loop until done() is true or maxMs have passed; returns done().
    bool RunUntil(const std::function<bool()>& done, uint32_t maxMs);
};

// The host that new tasks use: a loop host on the current clock unless replaced.
cmcTimerHost& CurrentTimerHost();
// Replaces the current host (nullptr restores the default); returns the previous one.
cmcTimerHost* SetCurrentTimerHost(cmcTimerHost* host);
// The default loop host (for programs that pump it themselves).
cmcLoopTimerHost& DefaultLoopTimerHost();
