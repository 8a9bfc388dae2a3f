#pragma once
// Fields of the image that the radio reads but the user does not edit: they
// are recomputed from the channels, lists and texts.

class cmcEeprom;

namespace ImageDerived {

constexpr int AdrStartChannel = 230;   // first in-use channel, preferably one not skipped
constexpr int AdrStartScanList = 233;  // first scan list with channels
constexpr int AdrStartDtmf = 234;      // 1 + first DTMF memory with digits
constexpr int AdrBankStart = 240;      // 16 bytes: per bank, the start channel's index in the bank
constexpr int AdrKeyChars = 208;       // 8 characters
constexpr int KeyCharCount = 8;
constexpr int AdrOpeningText = 0x2E58;  // 24 characters
constexpr int OpeningTextSize = 24;
constexpr int AdrComment1 = 0x0140;  // 16 characters
constexpr int AdrComment2 = 0x0150;
constexpr int CommentSize = 16;

// Recomputes every derived field; channels are read with the model's channel
// kind, fields without a source take the template's value.
void Recompute(cmcEeprom& image, const cmcEeprom& templateImage, int modelType);

}  // namespace ImageDerived
