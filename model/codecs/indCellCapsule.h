#pragma once
// The request and answer record of one call of the item handler: which cell,
// which key or edit result, and back the text to show, the attribute bits and
// whether an editor or a pop-up must open.

#include <cstdint>
#include <functional>
#include <string>

struct cmcCellObj;

// Where a cell is drawn; the handler sets the font colour and a few items draw on it.
class cmcCellCanvas {
  public:
    virtual ~cmcCellCanvas() = default;
    virtual void SetFontColor(uint32_t color) = 0;
    virtual void FillRect(int left, int top, int right, int bottom, uint32_t color) = 0;
};

struct cmcCellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The item handler's Pending answer: what the caller opens next.
enum class indPending : uint8_t { Nothing = 0, Popup = 1, Editor = 2 };

// What a request brings back from the front end (EditResult; the documented byte values).
enum class indEditResult : uint8_t {
    Key = 0,          // a plain key (or none)
    EditorText = 1,   // the in-place editor finished; InputText holds its text
    PopupChoice = 2,  // a pop-up answered; SubCell (or InputText for flag bits) tells which
};

// What a codec asks the caller to open when it answers indPending::Popup: a choice list
// (an overlay list and its entry kind, with the current value marked) or the
// flag-bit pop-up (positions first..last, mode, optional list).
struct indPopupRequest {
    enum class Kind { None, ChoiceList, FlagBits };
    Kind kind = Kind::None;
    std::string list;
    int entryKind = 0;
    int32_t value = 0;
    int first = 0, last = 0, mode = 0;
};

namespace CapsuleFlags {
constexpr uint8_t Warning = 1 << 2;
constexpr uint8_t Error = 1 << 3;
}  // namespace CapsuleFlags

namespace ChangeFlags {
constexpr int Always = 1 << 0;
constexpr int RowStructure = 1 << 2;  // bank sizes or attributes: the sheet must rebuild
constexpr int Record = 1 << 3;        // the decoded record was modified
constexpr int OtherRows = 1 << 5;     // other rows of the same sheet must be redrawn
}  // namespace ChangeFlags

namespace Keys {
constexpr int32_t None = 0;
constexpr int32_t Backspace = 8;
constexpr int32_t Enter = 13;
constexpr int32_t Space = 32;
constexpr int32_t EnterAlias = 256;
}  // namespace Keys

struct indCellCapsule {
    void* Owner = nullptr;
    int32_t Editable = 0;  // zero: display only, no key acts
    cmcCellObj* Cell = nullptr;
    cmcCellCanvas* Canvas = nullptr;
    int32_t Unused = 0;
    const cmcCellRect* CellRect = nullptr;
    int32_t CaretPos = 0;
    int32_t SelLength = 0;
    int32_t Key = Keys::None;
    int32_t PopupCommand = 0;
    std::string InputText;
    std::string DisplayText;
    uint8_t Flags = 0;
    uint8_t ChangedFlag = 0;
    indEditResult EditResult = indEditResult::Key;
    int32_t Redirect = 0;
    int32_t RedirCategory = 0;
    int32_t RedirItem = 0;
    int32_t RedirRow = 0;
    int32_t RedirKey = 0;
    uint8_t RangeFlags = 0;  // bit 0 a row range is selected, bit 1 the handler changed it
    int32_t RangeFirst = 0;
    int32_t RangeLast = 0;
    indCellCapsule* SubCell = nullptr;
    int32_t Bank = 0;
    std::function<void(indCellCapsule&, int changeFlags)> OnChange;
    std::function<void(indCellCapsule&)> OnCodeEntry;

    // Output beside the display text: what to open for indPending::Popup, and the font
    // colour chosen by the handler (when it sets one).
    indPopupRequest Popup;
    // Set by a pop-up menu for its entries: how many entries the menu has.
    int32_t MenuEntryCount = 0;
    bool HasFontColor = false;
    uint32_t FontColor = 0;

    // The sub-cell's item and row (a pop-up answer), or -1 when there is none.
    int SubItem() const;
    int SubRow() const;
};
