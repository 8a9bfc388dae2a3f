#pragma once
// The overlay's colours and fonts on screen: system colours (clWindow,
// clBtnFace, clHighlight, ...) follow the desktop palette, so the program
// follows a light or dark theme; fixed RGB colours stay as given.

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>

#include "cmcCellObj.h"
#include "cmcFont.h"

namespace OverlayStyle {

QColor OverlayColor(uint32_t color, const QPalette& palette);
QFont OverlayFont(const cmcFont& font);
// The font of a cell: its own, or the first base's that has one, or the platform's.
const cmcFont& CellFont(const cmcCellObj& cell);
// An overlay text (UTF-8) on screen.
inline QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace OverlayStyle
