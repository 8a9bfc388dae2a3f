#pragma once
// Posting helpers of the channel operations: their events, the bank carried as an
// event's object, and the status-bar text.

#include <cstdint>
#include <string>

#include "EventIds.h"

struct cmcEvent;

namespace ChEvent {

// InsertChannel and DeleteChannel carry the bank number as their object.
void* BankObject(int bank);
int BankOfEvent(const cmcEvent& event);

// Posts the overlay text name to the status bar (StatusText).
void PostStatus(const std::string& name);
void Post(uint8_t kind, int32_t value);
void PostBankRow(uint8_t kind, int bank, int32_t row);

}  // namespace ChEvent
