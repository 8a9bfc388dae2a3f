#pragma once
// Draws text in the radio's own font: each character's dots as the glyph
// placement arithmetic (cuiFTextLayout) puts them, a characters a line and
// b lines, characters beyond the field length in olive, an optional grey box
// around each character. The user characters come with every call, so a
// changed character shows in every preview at once.

#include <QColor>
#include <QRect>
#include <string>
#include <string_view>

#include "RadioFont.h"
#include "indCellCapsule.h"

class QPainter;

namespace FText {

struct Style {
    int perLine = 12;
    int lines = 1;
    int fieldLength = 12;  // characters from here on are olive
    bool frames = false;   // a grey box around each character
    bool centred = false;  // a single character centred in the rectangle
};

const QColor Olive(128, 128, 0);
const QColor FrameGrey(128, 128, 128);

// Draws bytes (codes, not display form) inside rect.
void Draw(QPainter& painter, const QRect& rect, std::string_view bytes, const Style& style,
          const RadioFont::UserGlyphs& user, const QColor& color);
// A sheet cell's preview: its display text in the radio font as the cell's
// handler described it (a text field, or one framed user character).
void DrawCell(QPainter& painter, const QRect& rect, const std::string& displayText,
              const indRadioPreview& preview, const RadioFont::UserGlyphs& user,
              const QColor& color);
// The width a cell needs for its preview at that height.
int CellWidth(int rectHeight, const indRadioPreview& preview);
// The height a cell needs for its preview when one line of text needs lineHeight.
int CellHeight(int lineHeight, const indRadioPreview& preview);

}  // namespace FText
