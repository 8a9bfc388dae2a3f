#pragma once
// The value codecs: each turns one stored value into the text of a cell and
// keys or typed text back into a stored value. All share one protocol on the
// capsule: space and backspace step or toggle, Enter opens a pop-up or the
// in-place editor, a typed character opens the editor pre-filled with it, and
// the editor's text comes back as InputText with EditResult 1. Each returns 1
// when it changed the value (the caller then stores it), else 0, and sets
// pending to Popup when it opened a pop-up (capsule.Popup says which) or to
// Editor when the in-place editor must start.

#include <cstdint>
#include <string>
#include <string_view>

#include "indCellCapsule.h"

class cmcFCache;
class cmcGTex;
class datCh;

namespace Codec {

// ---- shared protocol -------------------------------------------------------
bool IsCharKey(int32_t key);  // printable 33..126
bool IsDigitKey(int32_t key);
bool IsHexKey(int32_t key);
// DisplayText = text, caret 0, the whole text selected.
void Show(indCellCapsule& c, std::string text);
// pending = indPending::Editor: a typed character pre-fills the editor with itself; Enter (and
// keys that act as Enter) with text, wholly selected.
void StartEditing(indCellCapsule& c, indPending& pending, const std::string& text);
// pending = indPending::Editor with text and the caret just after its ".".
void StartEditingAfterDot(indCellCapsule& c, indPending& pending, const std::string& text);

// The sub-cell answer of a pop-up of the given entry kind: true with its row.
bool PopupAnswer(const indCellCapsule& c, int entryKind, int32_t& row);

// ---- choices ---------------------------------------------------------------
int SelectChoice(indCellCapsule& c, cmcFCache& lists, const std::string& list, int entryKind,
                 int32_t& value, indPending& pending);
int SelectChoiceByte(indCellCapsule& c, cmcFCache& lists, const std::string& list, int entryKind,
                     uint8_t& value, indPending& pending);

enum class MatchMode { Numeric = 0, Text = 1, TextThenNumeric = 2 };
int SelectTypedChoice(indCellCapsule& c, cmcFCache& lists, cmcGTex& texts, const std::string& list,
                      int entryKind, int32_t& value, MatchMode mode, indPending& pending);
int SelectTwoLists(indCellCapsule& c, cmcFCache& lists, cmcGTex& texts, const std::string& list1,
                   const std::string& list2, int32_t& value, indPending& pending);

struct ListMatch {
    int count = 0;
    int first = -1;
};
// Pieces of the texts of an overlay entry (split on ","), numbered across
// lines, whose first len(text) characters, trimmed and upper-cased, equal text.
ListMatch MatchListEntry(cmcGTex& texts, const std::string& list, std::string_view text);

// ---- numbers ---------------------------------------------------------------
struct IntegerOptions {
    int32_t low = 0;
    int32_t high = 255;
    int32_t offset = 0;
    int32_t step = 1;
    std::string fixedText;  // shown instead of the number when not empty
    bool clamp = false;
    bool noWrap = false;
};
int EditInteger(indCellCapsule& c, int32_t& value, const IntegerOptions& o, indPending& pending);

struct FixedPointOptions {
    int storageDecimals = 0;
    int shownDecimals = 1;
    double min = 0;
    double max = 0;
    int32_t step = 1;
    bool stepping = true;
    bool clearOnEnter = false;
};
int EditFixedPoint(indCellCapsule& c, int32_t& value, const FixedPointOptions& o,
                   indPending& pending);

// Byte timers in 1/scale seconds; with offAllowed, 0 shows "GI_AppInd_TimerOff".
int EditTimer(indCellCapsule& c, cmcGTex& texts, uint8_t& value, int scale, bool offAllowed,
              int trimCount, indPending& pending);
int EditMinSec(indCellCapsule& c, uint8_t& value, int loSeconds, int hiSeconds, int stepSeconds,
               indPending& pending);
int EditDecimalId(indCellCapsule& c, int32_t& value, int width, int32_t low, int32_t high,
                  bool noPadding, indPending& pending);
int EditHexDigits(indCellCapsule& c, int32_t& value, int digits, bool lettersAllowed,
                  indPending& pending);
int EditHexDigit(indCellCapsule& c, int32_t& value, bool fAllowed, indPending& pending);
int EditToneLength(indCellCapsule& c, uint8_t& value, indPending& pending);

// ---- digit strings and texts -------------------------------------------------
// Nibbles high first; count digits.
int EditDtmfCode(indCellCapsule& c, uint8_t* nibbles, int& count, int maxDigits,
                 indPending& pending);
// Four bytes of nibbles and a mark byte; groupDigit is the group-tone digit.
int EditFiveToneCode(indCellCapsule& c, uint8_t* code, uint8_t& marks, int maxDigits, bool receive,
                     int groupDigit, indPending& pending);
int FiveToneLength(const uint8_t* code);
int EditAbcCode(indCellCapsule& c, cmcFCache& lists, int32_t& value, indPending& pending);
int EditPasscode(indCellCapsule& c, uint8_t* nibbles, int digits, indPending& pending);
// Bit set of positions first..last, position first in the most significant used bit.
// The flag-bit pop-up takes and answers the set placed with position first at bit 25.
int32_t PlaceFlagBits(int32_t bits, int first, int last);
int32_t UnplaceFlagBits(int32_t placed, int first, int last);
// The set that a shown pattern stands for: a digit where a position is set, "_" where not.
int32_t FlagBitsFromPattern(std::string_view pattern, int first, int last);
int EditFlagDigits(indCellCapsule& c, int32_t& bits, int first, int last, int mode,
                   const std::string& list, indPending& pending);
// Fixed-length byte text, padded with spaces; bytes outside 32..126 become spaces.
int EditText(indCellCapsule& c, uint8_t* text, int length, indPending& pending);
// Fixed-length text in the radio's character set, previewed in the radio font: Enter and
// backspace open the editor on the text, caret at its end; a printable key (space too)
// opens it holding just that character.
int EditRadioText(indCellCapsule& c, uint8_t* field, int length, indPending& pending);

// ---- channel values ------------------------------------------------------------
int EditFrequency(indCellCapsule& c, datCh& record, bool transmit, indPending& pending);
int EditTone(indCellCapsule& c, cmcFCache& lists, cmcGTex& texts, datCh& record, bool transmit,
             indPending& pending);
// The text of a tone setting: DTCS "ddd" + "i"/"N", else the CTCSS list entry, or off.
std::string DtcsText(uint16_t code, bool inverted);

// OK/Cancel question with the overlay text name; OK = 1.
int ConfirmBox(cmcGTex& texts, const std::string& name);

}  // namespace Codec
