#pragma once
// The cursor and selection rules of a sheet's grid, without the grid: moving
// over selectable cells with the remembered column and row, the sideways
// search over ragged rows, wrapping in pop-up sheets, and single, "Cell" and
// "Line" multiple selection extended with Shift or a held mouse button. The
// grid widget forwards keys and clicks here and draws what it is told; the
// current cell is the sheet's, the marks are its cell-state bits.

#include <cstdint>
#include <optional>

#include "cuiSheet.h"

struct indCellCapsule;

// What a move did, and where the grid must scroll to.
struct cuiCursorMove {
    bool moved = false;
    bool scrollFullyLeft = false;  // at or left of the leftmost selectable column
    bool scrollFullyUp = false;    // at or above the topmost selectable row
};

class cuiGridCursor {
  public:
    // popup: a pop-up picker sheet, whose one-cell moves wrap around the edges.
    explicit cuiGridCursor(cuiSheet& sheet, bool popup = false);

    // Puts the cursor on a selectable cell after a build: from (0, 0) one step
    // down, up, right and left; then the saved position when it is a
    // selectable cell of the grid, else the first selectable cell with the
    // initial item and index (item 0: none). False when the current cell is
    // not selectable (the grid is disabled).
    bool Start(std::optional<cuiCellPos> saved = std::nullopt, int initialItem = 0,
               int32_t initialIndex = 0);

    // Moves by dx columns or, when dx is 0, by dy rows (Page Up/Down move by
    // 10); each step goes to the next selectable cell. extend: Shift or the
    // mouse button is held.
    cuiCursorMove Move(int dx, int dy, bool extend = false);
    cuiCursorMove PageUp(bool extend = false) { return Move(0, -kPageRows, extend); }
    cuiCursorMove PageDown(bool extend = false) { return Move(0, kPageRows, extend); }
    // A cell chosen by the mouse (extend while the button is held down) or by
    // a redirect: allowed only onto a selectable cell and, while a range
    // exists and it is extended, onto a cell that may join it.
    bool MoveTo(const cuiCellPos& pos, bool extend = false);

    const cuiCellPos& Current() const { return sheet_.Current(); }
    int RememberedColumn() const { return rememberedCol_; }
    int RememberedRow() const { return rememberedRow_; }
    bool RangeExists() const { return rangeExists_; }
    // The cell where the selection started (the current cell when there is no range).
    const cuiCellPos& Anchor() const { return rangeExists_ ? anchor_ : Current(); }
    // Whether the cell is drawn selected.
    bool IsSelected(int row, int col) const;
    // Unmarks every cell and marks the current one.
    void ClearSelection();

    // Before a request: the selected row range (range bit, first and last
    // index of the first non-fixed column of the anchor row and current row).
    void FillRange(indCellCapsule& capsule) const;
    // After a request: a range the handler changed becomes the selection;
    // otherwise the selection collapses to the current cell.
    void TakeRange(const indCellCapsule& capsule);

    static constexpr int kPageRows = 10;

  private:
    bool Selectable(int row, int col) const;
    bool MayJoin(int row, int col) const;
    // One step from the current cell; nullopt when there is nowhere to go.
    std::optional<cuiCellPos> Step(int dx, int dy) const;
    std::optional<cuiCellPos> WrapStep(int dx, int dy) const;
    std::optional<cuiCellPos> SidewaysStep(int dx, int dy) const;
    // Makes pos current and updates the selection.
    void SetCurrent(const cuiCellPos& pos, bool extend);
    void Mark(int row, int col, bool on);
    void UnmarkAll();
    void UpdateLineMarks();

    cuiSheet& sheet_;
    bool popup_;
    int rememberedCol_ = 0;
    int rememberedRow_ = 0;
    cuiCellPos anchor_;
    bool rangeExists_ = false;
};
