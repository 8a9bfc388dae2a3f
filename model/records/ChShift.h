#pragma once
// Moving channels through the memory: removing one (the channels after it move
// up), opening a blank one (the channels after it move down, channel 255 falls
// off), bank resizing built on them, and the insert and delete of channels that
// the main window carries out when it hears InsertChannel and DeleteChannel.
//
// kind is the channel record kind of the model (1, 2 or 3); blank records come
// from templateImage. Moved channels carry their priority and emergency marks;
// every row keeps its bank's SmarTrunk flag.

#include <cstdint>

#include "datCh.h"

class cmcEeprom;

// Writes the template's record of row at row, keeping the row's attribute
// bits; a channel also takes the template's raw record bytes, including those
// no field covers. Returns the record as written (bound to image).
datCh ResetToTemplate(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row);

// The change flags of a shift: the record was modified (8), other rows must be redrawn (0x20).
constexpr uint8_t ShiftChangeFlags = 0x28;

// Removes channel row: rows row+1..255 move up by one; row 255 becomes the
// template's record, keeping its attribute bits.
uint8_t ShiftUpFrom(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row);
// Opens a blank channel at row: rows row..254 move down by one; row becomes
// the template's record, keeping its attribute bits.
uint8_t ShiftDownFrom(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int row);

// Sets the bank's channel count, appending blank channels at the end of the
// bank or removing channels from its end (later banks' channels move). Growth
// is limited to the free channels (256 - total), shrinking to the bank's
// count. Returns the new count. Checking which channels may go is the caller's.
int ResizeBank(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
               int newCount);
// Number of blank, non-priority channels at the end of the bank.
int BlankTail(const cmcEeprom& image, uint8_t kind, int bank);

// InsertChannel: a blank channel at row, the bank's count + 1; posts
// ChannelInserted and BankSheetRefresh (value row). Refused (false, nothing changes) for a kind
// that is not a channel kind, a bank outside 0..15, a row that is neither one of the bank's
// channels nor the one just after its last, or with 256 channels in use.
bool InsertChannel(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
                   int row);
// DeleteChannel: removes channel row, the bank's count - 1; posts
// ChannelDeleted, BankSheetRefresh and RepaintBelow (value row). Refused for a kind that is not a
// channel kind, a bank outside 0..15, or a row that is not one of the bank's channels.
bool DeleteChannel(cmcEeprom& image, const cmcEeprom& templateImage, uint8_t kind, int bank,
                   int row);
