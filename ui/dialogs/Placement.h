#pragma once
// Where a dialog goes: centred over its owner, then pushed into the screen's
// available area (right before left, bottom before top, so that a window
// larger than the area keeps its left and top edges visible).

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace Placement {

// Top-left corner of a window of size centred over owner and pushed into work.
QPoint CentredPosition(const QRect& owner, const QSize& size, const QRect& work);

// Moves window (its frame) to the centred position over owner, or over the
// screen when there is no owner, within that screen's available geometry.
void CentreOver(QWidget& window, const QWidget* owner);

}  // namespace Placement
