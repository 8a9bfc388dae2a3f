#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Placement {

namespace {

// One axis: start and length of the window, start and length of the area.
int PushInto(int start, int length, int areaStart, int areaLength) {
    if (start + length > areaStart + areaLength) {
        start = areaStart + areaLength - length;
    }
    if (start < areaStart) {
        start = areaStart;
    }
    return start;
}

}  // namespace

QPoint CentredPosition(const QRect& owner, const QSize& size, const QRect& work) {
    // Integer division rounds toward zero, for windows larger than the owner too.
    const int left = owner.left() + (owner.width() - size.width()) / 2;
    const int top = owner.top() + (owner.height() - size.height()) / 2;
    return {PushInto(left, size.width(), work.left(), work.width()),
            PushInto(top, size.height(), work.top(), work.height())};
}

void CentreOver(QWidget& window, const QWidget* owner) {
    const QWidget* reference = owner != nullptr ? owner->window() : nullptr;
    QScreen* screen = reference != nullptr ? reference->screen() : window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect work = screen->availableGeometry();
    const QRect ownerRect = reference != nullptr ? reference->frameGeometry() : work;
    // Before the first show the frame is not known; the client size stands in.
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    window.move(CentredPosition(ownerRect, size, work));
}

}  // namespace Placement
