#pragma once
// The row commands of the pop-up menu: copy, paste, carry up/down, clear,
// delete and insert. The cell handler calls them with the part of its request
// that they read and write, the decoded record of the row under the cursor
// (which names image, kind and row) and the movable rows (for channels the
// bank's channels). Confirmations and refusals are user message boxes, status
// texts go to the status bar (StatusText), repaints and channel inserts and
// deletes are posted events.

#include <cstdint>

class cmcEeprom;
class datCh;
class datClipCh;

// The selection and redirection fields of the cell request.
struct datRowRequest {
    static constexpr uint8_t RangeSelected = 0x01;  // bit 0: a row range is selected
    static constexpr uint8_t RangeChanged = 0x02;   // bit 1: the command changed the range

    uint8_t RangeFlags = 0;
    int32_t RangeFirst = 0;
    int32_t RangeLast = 0;
    int32_t Redirect = 0;  // set to 1 when the cursor must move to RedirRow
    int32_t RedirRow = 0;
    int32_t Bank = 0;  // bank of the row (channels)
};

// Movable rows: first..last.
struct datRowBounds {
    int first;
    int last;
};

// Whether delete and insert apply to rows of kind: they move channels through
// the channel memory and resize banks, so only channel kinds whose rows may be
// cleared qualify. The pop-up menu disables the two entries for other kinds.
bool MayDeleteInsert(uint8_t kind);

// Each returns true when it changed the image or the clipboard.
bool RowCopy(datClipCh& clipboard, datRowRequest& req, datCh& rec, datRowBounds bounds);
bool RowPaste(datClipCh& clipboard, datRowRequest& req, datCh& rec, datRowBounds bounds);
// direction -1 moves the range up one row, +1 down; the displaced neighbour
// takes the vacated end.
bool RowCarry(datRowRequest& req, datCh& rec, datRowBounds bounds, int direction);
bool RowClear(const cmcEeprom& templateImage, datRowRequest& req, datCh& rec, datRowBounds bounds);
// Posts one DeleteChannel per row; the channels go when the main window hears them.
// Delete and insert do nothing for a kind that MayDeleteInsert refuses.
bool RowDelete(datRowRequest& req, datCh& rec, datRowBounds bounds);
// Posts one InsertChannel per row while the channels fit into 256.
bool RowInsert(datRowRequest& req, datCh& rec, datRowBounds bounds);
