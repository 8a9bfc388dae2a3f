#pragma once
// The main window's logic with the program-wide hosts pointed at test doubles
// for its lifetime: memory settings, scripted message boxes, virtual timers
// and an event manager of its own, and the view a test chooses.

#include "ScopedOverride.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "indEnviron.h"
#include "indMain.h"

template <class View>
struct MainOnDoubles {
    cmcMemorySettings settings;
    indEnviron store{&settings, nullptr};
    cmcScriptedMessageBox box;
    cmcVirtualTimerHost timers;
    ScopedOverride<cmcTimerHost> timersOverride{SetCurrentTimerHost, &timers};
    cmcEvMan events{&timers};
    View view;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &box};
    ScopedOverride<cmcEvMan> eventsOverride{SetEvMan, &events};
    // Made last: its tick and the clone manager take the current hosts.
    indMain main{store, GTex(), view};
};
