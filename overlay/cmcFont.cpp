#include "cmcFont.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// a * b / c rounded to the nearest, halves away from zero, kept in range.
int MulDiv(int a, int b, int c) {
    const int64_t p = static_cast<int64_t>(a) * b;
    const int64_t q = p >= 0 ? (p + c / 2) / c : (p - c / 2) / c;
    return static_cast<int>(
        std::clamp<int64_t>(q, -std::numeric_limits<int>::max(), std::numeric_limits<int>::max()));
}

}  // namespace

void cmcFont::SetHeight(int value) {
    height = value;
    size = -MulDiv(value, kPointsPerInch, kPixelsPerInch);
}

void cmcFont::SetSize(int value) {
    size = value;
    height = -MulDiv(value, kPixelsPerInch, kPointsPerInch);
}

const cmcFont& DefaultPlatformFont() {
    static const cmcFont font;
    return font;
}
