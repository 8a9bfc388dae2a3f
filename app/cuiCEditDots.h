#pragma once
// The dots of the character being edited and the editing tools, without a
// window: three buffers of 8 x 20 dots (the base, the overlay of the drag in
// progress and the displayed result), the tool (pen, rectangle, shift) and
// how the overlay combines with the base (add, erase, replace).
//
// A press commits the previous state and notes the button and start cell;
// each move recomputes the overlay from the base; a release commits the
// displayed dots and returns to add.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "RadioFont.h"

class cuiCEditDots {
  public:
    static constexpr int Width = RadioFont::Columns;
    static constexpr int Height = RadioFont::Rows;
    // Tool bar tags.
    enum class Tool { Pen = 10, Rectangle = 11, Shift = 12 };
    enum class Combine { Add, Erase, Replace };
    struct Cell {
        int x = 0, y = 0;
    };

    // Takes the 160-character dot text ("0" off, anything else on).
    void Load(const std::string& dots);
    // The displayed dots as 160 characters, rows from the top, 8 a row.
    std::string DotText() const;
    bool Displayed(int x, int y) const { return shown_[Index(x, y)] != 0; }

    void SetTool(Tool tool) { tool_ = tool; }
    Tool CurrentTool() const { return tool_; }
    Combine CurrentCombine() const { return combine_; }
    bool Dragging() const { return dragging_; }

    // A press inside the grid (ignored outside); right: the right button.
    void Press(Cell at, bool right);
    // The pointer's cell while the button is down (may lie outside the grid).
    void Move(Cell at);
    void Release();
    // Clears every dot.
    void Clear();

    // The cells whose displayed dot changed since the last call.
    std::vector<Cell> TakeChanged();

  private:
    using Dots = std::array<uint8_t, Width * Height>;
    static size_t Index(int x, int y) { return static_cast<size_t>(y * Width + x); }
    static bool Inside(Cell c) { return c.x >= 0 && c.y >= 0 && c.x < Width && c.y < Height; }
    void Commit();
    void Recombine();

    Dots base_{};
    Dots overlay_{};
    Dots shown_{};
    Dots reported_{};  // the displayed dots at the last TakeChanged
    Tool tool_ = Tool::Pen;
    Combine combine_ = Combine::Add;
    bool dragging_ = false;
    bool right_ = false;
    Cell start_;
};
