#pragma once
// Installs a virtual timer host and its clock as the current ones for the
// lifetime of the object, so that tasks and time-outs run on virtual time.

#include "cmcClock.h"
#include "cmcTimerHost.h"

struct VirtualTime {
    VirtualTime()
        : previousHost(SetCurrentTimerHost(&host)),
          previousClock(SetCurrentClock(&host.VirtualClock())) {}
    ~VirtualTime() {
        SetCurrentClock(previousClock);
        SetCurrentTimerHost(previousHost);
    }
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    uint32_t Now() { return host.VirtualClock().NowMs(); }

    cmcVirtualTimerHost host;
    cmcTimerHost* previousHost;
    cmcClock* previousClock;
};
