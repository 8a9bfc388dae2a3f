#include "cuiStatusPanel.h"

#include <QPainter>

cuiStatusPanel::cuiStatusPanel(bool centred, QWidget* parent)
    : QWidget(parent), centred_(centred) {}

void cuiStatusPanel::Show(const QString& text, const QColor& textColour, const QColor& background) {
    text_ = text;
    textColour_ = textColour;
    background_ = background;
    updateGeometry();
    update();
}

QSize cuiStatusPanel::sizeHint() const {
    // As wide as the text and "XX" beside it.
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text_ + QStringLiteral("XX")), metrics.height() + 4};
}

void cuiStatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setPen(textColour_);
    const int align = (centred_ ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    painter.drawText(rect(), align, text_);
}
