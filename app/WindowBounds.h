#pragma once
// The main window's stored bounds against the screen's available area: at
// least 16 pixels stay inside horizontally and the title bar never lies above
// the area. Width and height are never changed.

struct cuiRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const cuiRect&) const = default;
};

namespace WindowBounds {

// area: the available screen rectangle (its right edge is left + width).
cuiRect ClampToWorkArea(cuiRect bounds, const cuiRect& area);

}  // namespace WindowBounds
