#pragma once
// What the dialog tests share: the scripted message-box host installed for a
// scope, and the internal error box that throws instead of ending the test.

#include "ScopedOverride.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcThrowingErrorBox.h"

struct ScopedBoxes {
    cmcScriptedMessageBox boxes;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &boxes};
    cmcScopedThrowingErrorBox throwing;
};
