#pragma once
// The bank partition of the channel memory: 16 banks follow each other in
// order, bank b holding the number of channels given by the big-endian count
// at 0x0100 + 2b. Each bank also has a SmarTrunk flag. Bank numbers outside
// 0..15 read count 0 and flag 0 and are not written.

#include <cstdint>

class cmcEeprom;

int BankCount(const cmcEeprom& image, int bank);
void SetBankCount(cmcEeprom& image, int bank, int count);
// First channel of the bank: the sum of the counts of the banks before it.
int BankFirst(const cmcEeprom& image, int bank);
// BankFirst + count - 1 (below the first for an empty bank).
int BankLast(const cmcEeprom& image, int bank);
// The first bank whose range holds the channel; 16 when none does.
int BankOf(const cmcEeprom& image, int channel);
// The bank that holds the n-th channel (1-based); 16 when none does.
int BankOfNth(const cmcEeprom& image, int n);
// Sum of all 16 counts.
int TotalChannels(const cmcEeprom& image);

// A channel whose first record byte is 0xF0 or above is blank (not in use).
// Channels outside 0..255 count as blank.
bool IsBlankChannel(const cmcEeprom& image, int channel);
// Non-blank channels in the bank, in all banks, in first..last (-1 when a
// bound lies outside 0..255 or first > last).
int UsedInBank(const cmcEeprom& image, int bank);
int UsedTotal(const cmcEeprom& image);
int UsedInRange(const cmcEeprom& image, int first, int last);

bool BankSmarTrunk(const cmcEeprom& image, int bank);
void SetBankSmarTrunk(cmcEeprom& image, int bank, bool on);

// Whether every row first..last of the kind is blank. Only channels can be
// blank: for every other kind this is false.
bool AllBlank(const cmcEeprom& image, uint8_t kind, int first, int last);
