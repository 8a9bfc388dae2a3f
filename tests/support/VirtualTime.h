#pragma once
// Installs a virtual timer host and its clock as the current ones for the
// lifetime of the object, so that tasks and time-outs run on virtual time.

#include "ScopedOverride.h"
#include "cmcClock.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"

struct VirtualTime {
    uint32_t Now() { return host.VirtualClock().NowMs(); }

    cmcVirtualTimerHost host;
    ScopedOverride<cmcTimerHost> hostOverride{SetCurrentTimerHost, &host};
    ScopedOverride<cmcClock> clockOverride{SetCurrentClock, &host.VirtualClock()};
};
