#include "cmcTask.h"

#include <utility>

#include "cmcTimerHost.h"

cmcTask::cmcTask(cmcTimerHost* host) : host_(host != nullptr ? *host : CurrentTimerHost()) {}

cmcTask::~cmcTask() {
    host_.Cancel(this);
}

void cmcTask::SetCallback(Callback callback) {
    callback_ = callback ? std::make_shared<Callback>(std::move(callback)) : nullptr;
}

bool cmcTask::SetInterval(int32_t ms) {
    interval_ = ms;
    if (ms < 0) {
        if (!stopped_) {
            host_.Cancel(this);
        }
        stopped_ = true;
    } else {
        host_.Schedule(this, ms == 0 ? 1u : static_cast<uint32_t>(ms));
        stopped_ = false;
    }
    return stopped_;
}

void cmcTask::Stop() {
    callback_.reset();
    SetInterval(-1);
}

void cmcTask::Release(cmcTask* task) {
    if (task == nullptr) {
        return;
    }
    task->Stop();
    if (task->busy_) {
        task->releaseAfterTick_ = true;
    } else {
        delete task;
    }
}

void cmcTask::Tick() {
    if (busy_ || !callback_) {
        return;
    }
    // Hold the callback so that it may replace or clear itself, or the
    // task's owner go away, while it runs.
    const std::shared_ptr<Callback> callback = callback_;
    busy_ = true;
    (*callback)(*this);
    busy_ = false;
    if (releaseAfterTick_) {
        delete this;
    }
}

cmcTaskHandle::cmcTaskHandle(cmcTimerHost* host) : task_(new cmcTask(host)) {}

cmcTaskHandle::~cmcTaskHandle() {
    Reset();
}

cmcTaskHandle::cmcTaskHandle(cmcTaskHandle&& other) noexcept
    : task_(std::exchange(other.task_, nullptr)) {}

cmcTaskHandle& cmcTaskHandle::operator=(cmcTaskHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        task_ = std::exchange(other.task_, nullptr);
    }
    return *this;
}

void cmcTaskHandle::Reset() {
    cmcTask::Release(std::exchange(task_, nullptr));
}
