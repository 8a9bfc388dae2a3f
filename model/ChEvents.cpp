#include "ChEvents.h"

#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "EventIds.h"

namespace ChEvent {

void* BankObject(int bank) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(bank));
}

int BankOfEvent(const cmcEvent& event) {
    return static_cast<int>(reinterpret_cast<intptr_t>(event.object));
}

void PostStatus(const std::string& name) {
    EvMan().PostText(EventIds::StatusText, reinterpret_cast<void*>(static_cast<uintptr_t>(ColourWindowText)),
                     static_cast<int32_t>(ColourButtonFace), GTex().GetText(name));
}

void Post(uint8_t kind, int32_t value) {
    EvMan().Post(kind, nullptr, value);
}

void PostBankRow(uint8_t kind, int bank, int32_t row) {
    EvMan().Post(kind, BankObject(bank), row);
}

}  // namespace ChEvent
