#include "cmcTimerHost.h"

#include <algorithm>

#include "cmcTask.h"

namespace {
cmcTimerHost* g_host = nullptr;
}  // namespace

cmcScheduledTimerHost::~cmcScheduledTimerHost() = default;

void cmcScheduledTimerHost::Schedule(cmcTask* task, uint32_t intervalMs) {
    intervalMs = std::max<uint32_t>(1, intervalMs);
    const uint32_t due = clock_.NowMs() + intervalMs;
    for (Entry& e : entries_) {
        if (e.task == task) {
            e.interval = intervalMs;
            e.due = due;
            return;
        }
    }
    entries_.push_back({task, intervalMs, due, 0});
}

void cmcScheduledTimerHost::Cancel(cmcTask* task) {
    std::erase_if(entries_, [task](const Entry& e) { return e.task == task; });
}

int cmcScheduledTimerHost::NextDue(uint32_t now, uint64_t pass) const {
    int best = -1;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.pass == pass || !TickAtOrAfter(now, e.due)) {
            continue;
        }
        if (best < 0 || TickAtOrAfter(entries_[static_cast<size_t>(best)].due, e.due + 1)) {
            best = static_cast<int>(i);
        }
    }
    return best;
}

int cmcScheduledTimerHost::RunDue() {
    // A callback may schedule, cancel or pump a nested pass; the entry list is
    // searched afresh after every call so that nothing stale is touched.
    const uint64_t pass = ++passes_;
    const uint32_t now = clock_.NowMs();
    int fired = 0;
    for (int i = NextDue(now, pass); i >= 0; i = NextDue(now, pass)) {
        Entry& e = entries_[static_cast<size_t>(i)];
        e.pass = pass;
        e.due = now + e.interval;
        cmcTask* task = e.task;
        ++fired;
        task->Tick();
    }
    return fired;
}

int64_t cmcScheduledTimerHost::MsToNextDue() const {
    if (entries_.empty()) {
        return -1;
    }
    const uint32_t now = clock_.NowMs();
    int64_t best = INT64_MAX;
    for (const Entry& e : entries_) {
        const int32_t d = static_cast<int32_t>(e.due - now);
        best = std::min<int64_t>(best, std::max(0, d));
    }
    return best;
}

void cmcLoopTimerHost::RunFor(uint32_t ms) {
    RunUntil([] { return false; }, ms);
}

bool cmcLoopTimerHost::RunUntil(const std::function<bool()>& done, uint32_t maxMs) {
    const uint32_t start = clock_.NowMs();
    for (;;) {
        RunDue();
        if (done()) {
            return true;
        }
        const uint32_t elapsed = clock_.NowMs() - start;
        if (elapsed >= maxMs) {
            return done();
        }
        int64_t wait = MsToNextDue();
        if (wait < 0 || wait > maxMs - elapsed) {
            wait = maxMs - elapsed;
        }
        clock_.SleepMs(static_cast<uint32_t>(std::clamp<int64_t>(wait, 1, 10)));
    }
}

cmcLoopTimerHost& DefaultLoopTimerHost() {
    static cmcLoopTimerHost host(CurrentClock());
    return host;
}

cmcTimerHost& CurrentTimerHost() {
    return g_host != nullptr ? *g_host : DefaultLoopTimerHost();
}

cmcTimerHost* SetCurrentTimerHost(cmcTimerHost* host) {
    cmcTimerHost* previous = g_host;
    g_host = host;
    return previous;
}
