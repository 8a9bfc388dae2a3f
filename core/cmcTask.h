#pragma once
// Periodic timer whose callback runs on the program's one thread. A callback
// is never re-entered: a tick that arrives while it runs (for example from a
// nested loop inside a modal box) is dropped, not queued.

#include <cstdint>
#include <functional>
#include <memory>

class cmcTimerHost;

class cmcTask {
  public:
    using Callback = std::function<void(cmcTask&)>;

    // A stopped task without a callback, on the given host (default: the current host).
    explicit cmcTask(cmcTimerHost* host = nullptr);
    ~cmcTask();
    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

    // Takes effect on the next tick.
    void SetCallback(Callback callback);
    // Negative stops the timer; 0 or more starts it (or changes its period), 0 meaning 1 ms.
    // Returns the stopped flag after the change.
    bool SetInterval(int32_t ms);
    // Clears the callback and stops the timer.
    void Stop();
    // Owners release their tasks with this instead of deleting them: a task whose
    // callback is running further up the stack is freed once that callback returns.
    static void Release(cmcTask* task);

    // Called by the host on every tick.
    void Tick();

    bool IsStopped() const { return stopped_; }
    bool IsBusy() const { return busy_; }
    int32_t Interval() const { return interval_; }

  private:
    cmcTimerHost& host_;
    std::shared_ptr<Callback> callback_;
    int32_t interval_ = -1;
    bool busy_ = false;
    bool stopped_ = true;
    bool releaseAfterTick_ = false;
};
