#include "WindowBounds.h"

namespace WindowBounds {

namespace {
constexpr int Margin = 16;
}

cuiRect ClampToWorkArea(cuiRect b, const cuiRect& area) {
    const int right = area.left + area.width;
    const int bottom = area.top + area.height;
    if (b.left > right - Margin) {
        b.left = right - Margin;
    }
    if (b.top > bottom - Margin) {
        b.top = bottom - Margin;
    }
    if (b.left + b.width < area.left + Margin) {
        b.left = area.left + Margin - b.width;
    }
    if (b.top < area.top) {
        b.top = area.top;
    }
    return b;
}

}  // namespace WindowBounds
