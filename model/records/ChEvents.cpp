#include "ChEvents.h"

#include "EventIds.h"
#include "OverlayNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"

namespace ChEvent {

void* BankObject(int bank) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(bank));
}

int BankOfEvent(const cmcEvent& event) {
    return static_cast<int>(reinterpret_cast<intptr_t>(event.object));
}

// Status texts are shown in window text on button face.
void PostStatus(const std::string& name) {
    EvMan().PostText(EventIds::StatusText,
                     reinterpret_cast<void*>(static_cast<uintptr_t>(kClWindowText)),
                     static_cast<int32_t>(kClBtnFace), GTex().GetText(name));
}

void Post(uint8_t kind, int32_t value) {
    EvMan().Post(kind, nullptr, value);
}

void PostBankRow(uint8_t kind, int bank, int32_t row) {
    EvMan().Post(kind, BankObject(bank), row);
}

}  // namespace ChEvent
