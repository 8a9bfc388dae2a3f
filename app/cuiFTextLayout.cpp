#include "cuiFTextLayout.h"

#include <algorithm>

#include "RadioFont.h"

namespace {

cuiSpan AtLeastOne(int from, int to) {
    return {from, std::max(to, from + 1)};
}

}  // namespace

cuiFTextLayout cuiFTextLayout::For(int rectHeight, int lines) {
    cuiFTextLayout l;
    l.lineHeight = std::max(0, lines >= 2 ? (rectHeight - 4) / 2 : rectHeight - 2);
    const int h = l.lineHeight;
    l.glyphHeight = h >= RadioFont::Rows ? h - h % RadioFont::Rows : h;
    const int g = l.glyphHeight;
    // 8 x 0.05 of the height, half as wide again below full size (exact in integers).
    l.glyphWidth = g < RadioFont::Rows ? g * 3 / 5 : g * 2 / 5;
    if (l.glyphWidth > 7) {
        l.glyphWidth -= l.glyphWidth % RadioFont::Columns;
    }
    l.lineTop[0] = (h - g) / 2 + 1;
    l.lineTop[1] = h + (h - g) / 2 + 2;
    l.startX = l.glyphWidth / 2;
    l.pitch = l.glyphWidth + l.glyphWidth / 8 + 1;
    return l;
}

cuiSpan cuiFTextLayout::Row(int j) const {
    return AtLeastOne(j * glyphHeight / RadioFont::Rows, (j + 1) * glyphHeight / RadioFont::Rows);
}

cuiSpan cuiFTextLayout::Column(int k) const {
    return AtLeastOne(k * glyphWidth / RadioFont::Columns,
                      (k + 1) * glyphWidth / RadioFont::Columns);
}
