#pragma once
// Draws and measures the cells of a sheet from the item handler's answer:
// the cell's colours, font (scaled by the font-size percentage), alignment,
// bottom rule, the selection colours and the warning and error marks. One
// capsule is reused for every cell. The sheet grid and the choice pop-up
// draw with it.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

#include "RadioFont.h"
#include "cuiSheet.h"
#include "indCellCapsule.h"

class QPainter;
class QPalette;
class indActiveCell;

// The text colour to draw on a background: a fixed overlay colour that would
// be hard to read there (navy on a dark theme's button face) is blended
// towards white or black until it stands out; a readable one is kept, and so
// is text in the background's own colour (hidden on purpose).
QColor ReadableOn(const QColor& text, const QColor& background);

class cuiCellPainter {
  public:
    // How a selected cell looks: highlighted with the focus (or in a pop-up),
    // else in the button face colour; in the cell's colour while it is edited.
    enum class Look { Plain, Focused, Unfocused, Edited };

    cuiCellPainter(indActiveCell& handler, int fontPercent = 100)
        : handler_(handler), fontPercent_(fontPercent) {}
    void SetFontPercent(int percent) { fontPercent_ = percent; }
    // Where radio-text previews take the user characters from (none: blank).
    void SetUserGlyphs(std::function<RadioFont::UserGlyphs()> source) {
        userGlyphs_ = std::move(source);
    }
    // Device pixels per screen pixel for the margins, marks and lines (a printer's dpi / 96).
    void SetDeviceScale(int scale) { scale_ = scale < 1 ? 1 : scale; }

    QFont Scaled(const QFont& font) const;
    QFont Font(const cmcCellObj& cell) const;
    // What the handler shows in the cell: text and marks.
    struct Answer {
        QString text;
        bool error = false;
        bool warning = false;
    };
    Answer Query(cuiSheet& sheet, int row, int col);
    // The size the cell's text needs with its margins.
    QSize Measure(cuiSheet& sheet, int row, int col);
    void Draw(QPainter& painter, const QPalette& palette, cuiSheet& sheet, int row, int col,
              const QRect& box, Look look);

  private:
    // Asks the handler for the cell's display text, colour and marks.
    void Ask(cuiSheet& sheet, int row, int col);

    indActiveCell& handler_;
    int fontPercent_;
    int scale_ = 1;
    indCellCapsule capsule_;
    std::function<RadioFont::UserGlyphs()> userGlyphs_;
};
