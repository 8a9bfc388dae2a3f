#pragma once
// Periodic timer whose callback runs on the program's one thread. A callback
// is never re-entered: a tick that arrives while it runs (for example from a
// nested loop inside a modal box) is dropped, not queued.
//
// A task is only ever owned through a cmcTaskHandle: it cannot be a member
// held by value nor be deleted directly. Dropping the handle stops the task
// and frees it, or, when its callback is running further up the stack, frees
// it once that callback has returned. So an object may be destroyed from
// inside its own task's callback.

#include <cstdint>
#include <functional>
#include <memory>

class cmcTimerHost;
class cmcTaskHandle;

class cmcTask {
  public:
    using Callback = std::function<void(cmcTask&)>;

    cmcTask(const cmcTask&) = delete;
    cmcTask& operator=(const cmcTask&) = delete;

    // Takes effect on the next tick.
    void SetCallback(Callback callback);
    // Negative stops the timer; 0 or more starts it (or changes its period), 0 meaning 1 ms.
    // Returns the stopped flag after the change.
    bool SetInterval(int32_t ms);
    // Clears the callback and stops the timer.
    void Stop();

    // Called by the host on every tick.
    void Tick();

    bool IsStopped() const { return stopped_; }
    bool IsBusy() const { return busy_; }
    int32_t Interval() const { return interval_; }

  private:
    friend class cmcTaskHandle;
    explicit cmcTask(cmcTimerHost* host);
    ~cmcTask();
    // Stops the task; frees it now, or after its running callback returns.
    static void Release(cmcTask* task);

    cmcTimerHost& host_;
    std::shared_ptr<Callback> callback_;
    int32_t interval_ = -1;
    bool busy_ = false;
    bool stopped_ = true;
    bool releaseAfterTick_ = false;
};

// The one owner of a task. Move-only; destroying or resetting it releases the task.
class cmcTaskHandle {
  public:
    // A new stopped task without a callback on the given host (default: the current host).
    explicit cmcTaskHandle(cmcTimerHost* host = nullptr);
    ~cmcTaskHandle();
    cmcTaskHandle(cmcTaskHandle&& other) noexcept;
    cmcTaskHandle& operator=(cmcTaskHandle&& other) noexcept;
    cmcTaskHandle(const cmcTaskHandle&) = delete;
    cmcTaskHandle& operator=(const cmcTaskHandle&) = delete;

    // Releases the task now; the handle is empty afterwards.
    void Reset();
    explicit operator bool() const { return task_ != nullptr; }
    cmcTask* get() const { return task_; }
    cmcTask* operator->() const { return task_; }
    cmcTask& operator*() const { return *task_; }

  private:
    cmcTask* task_;
};
