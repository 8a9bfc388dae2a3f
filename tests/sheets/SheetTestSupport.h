#pragma once
// What the sheet tests share: a private event manager on virtual time, a
// throwing internal error box, and an image with chosen bank sizes.

#include <string>
#include <vector>

#include "ScopedOverride.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcThrowingErrorBox.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "cuiSheet.h"

class SheetTestBase {
  public:
    SheetTestBase() { image.Resize(0x4000); }
    SheetTestBase(const SheetTestBase&) = delete;
    SheetTestBase& operator=(const SheetTestBase&) = delete;

    // Bank b holds counts[b] channels; the other banks none.
    void SetBanks(const std::vector<int>& counts) {
        for (int b = 0; b < 16; ++b) {
            const int n = b < static_cast<int>(counts.size()) ? counts[static_cast<size_t>(b)] : 0;
            image.SetByte(0x0100 + 2 * b, static_cast<uint8_t>(n >> 8));
            image.SetByte(0x0101 + 2 * b, static_cast<uint8_t>(n));
        }
    }
    cuiSheetEnv Env(int model = 0, bool printing = false) {
        cuiSheetEnv env;
        env.texts = &texts;
        env.image = &image;
        env.modelType = model;
        env.printing = printing;
        return env;
    }

    cmcVirtualTimerHost host;
    cmcEvMan events{&host};
    cmcScopedThrowingErrorBox errors;
    cmcGTex texts;
    cmcEeprom image;

  private:
    ScopedOverride<cmcEvMan> eventsOverride_{SetEvMan, &events};
};
