#include "cuiGridCursor.h"

#include <algorithm>
#include <cstdlib>

#include "indCellCapsule.h"

namespace {

int Sign(int v) {
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

bool Between(int v, int a, int b) {
    return v >= std::min(a, b) && v <= std::max(a, b);
}

}  // namespace

cuiGridCursor::cuiGridCursor(cuiSheet& sheet, bool popup) : sheet_(sheet), popup_(popup) {
    rememberedCol_ = sheet_.Current().col;
    rememberedRow_ = sheet_.Current().row;
    anchor_ = sheet_.Current();
}

bool cuiGridCursor::Selectable(int row, int col) const {
    return row >= 0 && col >= 0 && row < sheet_.Rows() && col < sheet_.Columns() &&
           sheet_.Cell(row, col).Selectable();
}

bool cuiGridCursor::MayJoin(int row, int col) const {
    return Selectable(row, col) && (sheet_.CellState(row, col) & kCellMayJoin) != 0;
}

bool cuiGridCursor::Start(std::optional<cuiCellPos> saved, int initialItem, int32_t initialIndex) {
    UnmarkAll();
    rangeExists_ = false;
    sheet_.SetCurrent({0, 0});
    rememberedCol_ = 0;
    rememberedRow_ = 0;
    for (const auto& [dx, dy] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
        Move(dx, dy);
    }
    if (saved && Selectable(saved->row, saved->col)) {
        sheet_.SetCurrent(*saved);
    } else if (!saved && initialItem != 0) {
        if (const auto found = sheet_.FindCell(initialItem, initialIndex)) {
            sheet_.SetCurrent(*found);
        }
    }
    rememberedCol_ = Current().col;
    rememberedRow_ = Current().row;
    ClearSelection();
    return Selectable(Current().row, Current().col);
}

// Straight ahead along the remembered row or column, then sideways.
std::optional<cuiCellPos> cuiGridCursor::Step(int dx, int dy) const {
    const cuiCellPos at = Current();
    if (dx != 0) {
        const int row = std::clamp(rememberedRow_, 0, sheet_.Rows() - 1);
        for (int c = at.col + dx; c >= 0 && c < sheet_.Columns(); c += dx) {
            if (Selectable(row, c)) {
                return cuiCellPos{row, c};
            }
        }
    } else {
        const int col = std::clamp(rememberedCol_, 0, sheet_.Columns() - 1);
        for (int r = at.row + dy; r >= 0 && r < sheet_.Rows(); r += dy) {
            if (Selectable(r, col)) {
                return cuiCellPos{r, col};
            }
        }
    }
    return SidewaysStep(dx, dy);
}

// In each next column (row), the selectable cell nearest to the remembered row
// (column); the first found.
std::optional<cuiCellPos> cuiGridCursor::SidewaysStep(int dx, int dy) const {
    const cuiCellPos at = Current();
    const bool across = dx != 0;
    const int lines = across ? sheet_.Columns() : sheet_.Rows();
    const int cells = across ? sheet_.Rows() : sheet_.Columns();
    const int want = across ? rememberedRow_ : rememberedCol_;
    const int d = across ? dx : dy;
    for (int line = (across ? at.col : at.row) + d; line >= 0 && line < lines; line += d) {
        for (int dist = 0; dist < cells + std::abs(want); ++dist) {
            for (const int cell : {want - dist, want + dist}) {
                const int row = across ? cell : line;
                const int col = across ? line : cell;
                if (Selectable(row, col)) {
                    return cuiCellPos{row, col};
                }
            }
        }
    }
    return std::nullopt;
}

// One cell in reading order (horizontal) or column order (vertical), wrapping
// at the ends, until a selectable cell or back at the start.
std::optional<cuiCellPos> cuiGridCursor::WrapStep(int dx, int dy) const {
    const int rows = sheet_.Rows();
    const int cols = sheet_.Columns();
    const int count = rows * cols;
    const cuiCellPos at = Current();
    const bool across = dx != 0;
    const int start = across ? at.row * cols + at.col : at.col * rows + at.row;
    const int d = across ? dx : dy;
    for (int i = 1; i < count; ++i) {
        const int n = ((start + d * i) % count + count) % count;
        const cuiCellPos pos =
            across ? cuiCellPos{n / cols, n % cols} : cuiCellPos{n % rows, n / rows};
        if (Selectable(pos.row, pos.col)) {
            return pos;
        }
    }
    return std::nullopt;
}

cuiCursorMove cuiGridCursor::Move(int dx, int dy, bool extend) {
    cuiCursorMove result;
    const int steps = dx != 0 ? std::abs(dx) : std::abs(dy);
    const int sx = Sign(dx);
    const int sy = dx != 0 ? 0 : Sign(dy);
    if (steps == 0) {
        return result;
    }
    const cuiCellPos from = Current();
    for (int i = 0; i < steps; ++i) {
        const auto next = popup_ && steps == 1 ? WrapStep(sx, sy) : Step(sx, sy);
        if (!next) {
            break;
        }
        sheet_.SetCurrent(*next);  // the next step starts here; the selection follows below
        if (sx != 0) {
            rememberedCol_ = next->col;
        } else {
            rememberedRow_ = next->row;
        }
    }
    const cuiCellPos to = Current();
    if (to == from) {
        return result;
    }
    sheet_.SetCurrent(from);
    SetCurrent(to, extend);
    result.moved = true;
    int leftmost = sheet_.Columns();
    int topmost = sheet_.Rows();
    for (int r = 0; r < sheet_.Rows(); ++r) {
        for (int c = 0; c < sheet_.Columns(); ++c) {
            if (Selectable(r, c)) {
                leftmost = std::min(leftmost, c);
                topmost = std::min(topmost, r);
            }
        }
    }
    result.scrollFullyLeft = to.col <= leftmost;
    result.scrollFullyUp = to.row <= topmost;
    return result;
}

bool cuiGridCursor::MoveTo(const cuiCellPos& pos, bool extend) {
    if (!Selectable(pos.row, pos.col) || (rangeExists_ && extend && !MayJoin(pos.row, pos.col))) {
        return false;
    }
    if (pos != Current()) {
        SetCurrent(pos, extend);
    }
    rememberedCol_ = pos.col;
    rememberedRow_ = pos.row;
    return true;
}

void cuiGridCursor::SetCurrent(const cuiCellPos& pos, bool extend) {
    const cuiCellPos old = Current();
    sheet_.SetCurrent(pos);
    if (!sheet_.MultiSelect()) {
        return;
    }
    if (extend && MayJoin(old.row, old.col) && MayJoin(pos.row, pos.col)) {
        // The anchor stays; the rectangle of anchor, old and new cell is remarked.
        const int top = std::min({anchor_.row, old.row, pos.row});
        const int bottom = std::max({anchor_.row, old.row, pos.row});
        const int left = std::min({anchor_.col, old.col, pos.col});
        const int right = std::max({anchor_.col, old.col, pos.col});
        for (int r = top; r <= bottom; ++r) {
            for (int c = left; c <= right; ++c) {
                Mark(r, c, Between(r, anchor_.row, pos.row) && Between(c, anchor_.col, pos.col));
            }
        }
        rangeExists_ = true;
    } else {
        anchor_ = pos;
        if (rangeExists_) {
            UnmarkAll();
            rangeExists_ = false;
        } else {
            Mark(old.row, old.col, false);
        }
    }
    Mark(pos.row, pos.col, true);
    UpdateLineMarks();
}

void cuiGridCursor::Mark(int row, int col, bool on) {
    if (row < 0 || col < 0 || row >= sheet_.Rows() || col >= sheet_.Columns()) {
        return;
    }
    const uint8_t state = sheet_.CellState(row, col);
    const bool may = on && MayJoin(row, col);
    sheet_.SetCellState(row, col,
                        static_cast<uint8_t>(may ? state | kCellSelected : state & ~kCellSelected));
}

void cuiGridCursor::UnmarkAll() {
    for (int r = 0; r < sheet_.Rows(); ++r) {
        for (int c = 0; c < sheet_.Columns(); ++c) {
            sheet_.SetCellState(
                r, c,
                static_cast<uint8_t>(sheet_.CellState(r, c) & ~(kCellSelected | kCellLineMarked)));
        }
    }
}

void cuiGridCursor::UpdateLineMarks() {
    if (sheet_.Style().multiSelect != cmcMultiSelect::Line) {
        return;
    }
    for (int r = 0; r < sheet_.Rows(); ++r) {
        bool holds = false;
        for (int c = 0; c < sheet_.Columns() && rangeExists_; ++c) {
            holds = holds || (sheet_.CellState(r, c) & kCellSelected) != 0;
        }
        for (int c = 0; c < sheet_.Columns(); ++c) {
            const uint8_t state = sheet_.CellState(r, c);
            const bool on = holds && c >= sheet_.FixedCols();
            sheet_.SetCellState(
                r, c,
                static_cast<uint8_t>(on ? state | kCellLineMarked : state & ~kCellLineMarked));
        }
    }
}

bool cuiGridCursor::IsSelected(int row, int col) const {
    if (Current() == cuiCellPos{row, col}) {
        return true;
    }
    if (!sheet_.MultiSelect()) {
        return false;
    }
    const uint8_t state = sheet_.CellState(row, col);
    return (state & kCellMayJoin) != 0 && (state & (kCellSelected | kCellLineMarked)) != 0;
}

void cuiGridCursor::ClearSelection() {
    UnmarkAll();
    rangeExists_ = false;
    anchor_ = Current();
    if (sheet_.Rows() > 0 && sheet_.Columns() > 0) {
        Mark(Current().row, Current().col, sheet_.MultiSelect());
    }
}

void cuiGridCursor::FillRange(indCellCapsule& capsule) const {
    capsule.RangeFlags &= static_cast<uint8_t>(~1u);
    if (!sheet_.MultiSelect() || !rangeExists_) {
        return;
    }
    const int col = std::min(sheet_.FixedCols(), sheet_.Columns() - 1);
    const int32_t a = sheet_.Cell(anchor_.row, col).index;
    const int32_t b = sheet_.Cell(Current().row, col).index;
    capsule.RangeFlags |= 1;
    capsule.RangeFirst = std::min(a, b);
    capsule.RangeLast = std::max(a, b);
}

void cuiGridCursor::TakeRange(const indCellCapsule& capsule) {
    if (!sheet_.MultiSelect()) {
        return;
    }
    if ((capsule.RangeFlags & 2) == 0) {
        ClearSelection();
        return;
    }
    UnmarkAll();
    const cuiCellPos at = Current();
    const cmcCellObj& current = sheet_.Cell(at.row, at.col);
    const int32_t other =
        current.index == capsule.RangeFirst ? capsule.RangeLast : capsule.RangeFirst;
    for (int r = 0; r < sheet_.Rows(); ++r) {
        for (int c = 0; c < sheet_.Columns(); ++c) {
            const cmcCellObj& cell = sheet_.Cell(r, c);
            if (cell.item == current.item &&
                Between(cell.index, capsule.RangeFirst, capsule.RangeLast)) {
                Mark(r, c, true);
            }
            if (c == at.col && cell.item == current.item && cell.index == other) {
                anchor_ = {r, c};
            }
        }
    }
    Mark(at.row, at.col, true);
    rangeExists_ = true;
    UpdateLineMarks();
}
