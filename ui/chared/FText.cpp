#include "FText.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "RadioText.h"
#include "cuiFTextLayout.h"

namespace FText {

namespace {

constexpr int CharsPerLine = 12;
constexpr int CacheEntries = 2048;

// One character's dots drawn once and reused: keyed by its glyph bytes, size and colour.
const QImage& GlyphImage(const RadioFont::Glyph& glyph, const cuiFTextLayout& l,
                         const QColor& color) {
    static QCache<QByteArray, QImage> cache(CacheEntries);
    QByteArray key(reinterpret_cast<const char*>(glyph.data()), RadioFont::GlyphBytes);
    key.append(QByteArray::number(l.glyphHeight) + ':' + QByteArray::number(l.glyphWidth) + ':' +
               QByteArray::number(color.rgba()));
    if (QImage* found = cache.object(key)) {
        return *found;
    }
    auto* image =
        new QImage(std::max(1, l.Column(RadioFont::Columns - 1).to),
                   std::max(1, l.Row(RadioFont::Rows - 1).to), QImage::Format_ARGB32_Premultiplied);
    image->fill(Qt::transparent);
    QPainter p(image);
    for (int j = 0; j < RadioFont::Rows; ++j) {
        const cuiSpan row = l.Row(j);
        for (int k = 0; k < RadioFont::Columns; ++k) {
            if (RadioFont::Dot(glyph, j, k)) {
                const cuiSpan col = l.Column(k);
                p.fillRect(col.from, row.from, col.to - col.from, row.to - row.from, color);
            }
        }
    }
    p.end();
    cache.insert(key, image);
    return *cache.object(key);
}

}  // namespace

void Draw(QPainter& painter, const QRect& rect, std::string_view bytes, const Style& style,
          const RadioFont::UserGlyphs& user, const QColor& color) {
    cuiFTextLayout l = cuiFTextLayout::For(rect.height(), style.lines);
    if (l.glyphHeight <= 0 || l.glyphWidth <= 0) {
        return;
    }
    if (style.centred) {
        l.CentreIn(rect.width());
    }
    const int count = std::min(static_cast<int>(bytes.size()), style.perLine * style.lines);
    for (int i = 0; i < count; ++i) {
        const int x = rect.left() + l.X(i, style.perLine);
        const int y = rect.top() + l.Y(i, style.perLine);
        if (style.frames) {
            painter.setPen(FrameGrey);
            painter.drawRect(x - 1, y - 1, l.glyphWidth + 1, l.glyphHeight + 1);
        }
        const RadioFont::Glyph* glyph =
            RadioFont::Lookup(static_cast<uint8_t>(bytes[static_cast<size_t>(i)]), user);
        if (glyph != nullptr) {
            painter.drawImage(x, y, GlyphImage(*glyph, l, i < style.fieldLength ? color : Olive));
        }
    }
}

namespace {

Style CellStyle(const indRadioPreview& preview) {
    Style style;
    style.fieldLength = preview.length;
    if (preview.userCharacter) {
        style.perLine = 1;
        style.frames = true;
        style.centred = true;
    } else {
        style.lines = std::max(1, (preview.length + CharsPerLine - 1) / CharsPerLine);
    }
    return style;
}

}  // namespace

void DrawCell(QPainter& painter, const QRect& rect, const std::string& displayText,
              const indRadioPreview& preview, const RadioFont::UserGlyphs& user,
              const QColor& color) {
    Draw(painter, rect, RadioText::FromDisplay(displayText), CellStyle(preview), user, color);
}

int CellHeight(int lineHeight, const indRadioPreview& preview) {
    // Each line as high as a line of text; the rule between two lines takes 2 pixels.
    const int lines = CellStyle(preview).lines;
    return lines > 1 ? lines * (lineHeight - 2) + 4 : lineHeight;
}

int CellWidth(int rectHeight, const indRadioPreview& preview) {
    const Style style = CellStyle(preview);
    const cuiFTextLayout l = cuiFTextLayout::For(rectHeight, style.lines);
    return style.perLine * l.pitch + 2 * l.startX;
}

}  // namespace FText
