#pragma once
// What the dialog tests share: the scripted message-box host installed for a
// scope, and the internal error box that throws instead of ending the test.

#include "cmcInternalError.h"
#include "cmcMessageBox.h"

struct ScopedBoxes {
    ScopedBoxes() : previous(SetCurrentMessageBoxHost(&boxes)) {}
    ~ScopedBoxes() { SetCurrentMessageBoxHost(previous); }
    ScopedBoxes(const ScopedBoxes&) = delete;
    ScopedBoxes& operator=(const ScopedBoxes&) = delete;

    cmcScriptedMessageBox boxes;
    cmcMessageBoxHost* previous;
    cmcScopedThrowingErrorBox throwing;
};
