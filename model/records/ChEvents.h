#pragma once
// Event numbers that the channel operations post, and the status-bar text.

#include <cstdint>
#include <string>

struct cmcEvent;

namespace ChEvent {

constexpr uint8_t StatusText = 4;      // object = text colour, value = background colour, text
constexpr uint8_t RepaintAll = 13;     // repaint every cell bound to an item
constexpr uint8_t RowChanged = 16;     // value = row
constexpr uint8_t RepaintBelow = 18;   // value = row: cells with a smaller index
constexpr uint8_t InsertChannel = 26;  // object = bank, value = row
constexpr uint8_t DeleteChannel = 27;  // object = bank, value = row
constexpr uint8_t BankSheetRefresh = 29;
constexpr uint8_t ChannelInserted = 30;
constexpr uint8_t ChannelDeleted = 31;
constexpr uint8_t TreeMarks = 32;

// The system colours window-text and button-face in which status texts are shown.
constexpr uint32_t ColourWindowText = 0xFF000008u;
constexpr uint32_t ColourButtonFace = 0xFF00000Fu;

// Events 26 and 27 carry the bank number as their object.
void* BankObject(int bank);
int BankOfEvent(const cmcEvent& event);

// Posts the overlay text name to the status bar (event 4).
void PostStatus(const std::string& name);
void Post(uint8_t kind, int32_t value);
void PostBankRow(uint8_t kind, int bank, int32_t row);

}  // namespace ChEvent
