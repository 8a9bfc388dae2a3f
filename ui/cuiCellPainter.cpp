#include "cuiCellPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "indActiveCell.h"
#include "uiOverlayStyle.h"
#include "uiWindowHooks.h"

namespace {

constexpr int PadX = 4;  // margin units left and right of a cell's text
constexpr int PadY = 1;
constexpr int MarkSize = 12;
constexpr uint32_t ClHighlight = 0x8000000Du;
constexpr uint32_t ClHighlightText = 0x8000000Eu;
constexpr uint32_t ClBtnFace = 0x8000000Fu;
constexpr uint32_t ClWindow = 0x80000005u;
const QColor GridLine(0xC0, 0xC0, 0xC0);
const QColor BottomRule(0x80, 0x80, 0x80);

Qt::Alignment CellAlignment(const cmcCellObj& cell) {
    static constexpr Qt::Alignment kH[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment kV[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kH[std::min(cell.HAlign(), 2)] | kV[std::min(cell.VAlign(), 2)];
}

// The display text without the line feed that ends its last line.
QString Shown(const std::string& text) {
    QString s = Qs(text);
    while (s.endsWith(QLatin1Char('\n'))) {
        s.chop(1);
    }
    return s;
}

}  // namespace

QFont cuiCellPainter::Scaled(const QFont& font) const {
    QFont scaled = font;
    if (scaled.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, scaled.pixelSize() * fontPercent_ / 100));
    } else {
        scaled.setPointSizeF(scaled.pointSizeF() * fontPercent_ / 100.0);
    }
    return scaled;
}

QFont cuiCellPainter::Font(const cmcCellObj& cell) const {
    return Scaled(OverlayFont(CellFont(cell)));
}

void cuiCellPainter::Ask(cuiSheet& sheet, int row, int col) {
    sheet.PrepareCapsule(capsule_, row, col);
    capsule_.Editable = 0;
    capsule_.DisplayText.clear();
    capsule_.HasFontColor = false;
    capsule_.Flags =
        static_cast<uint8_t>(capsule_.Flags & ~(CapsuleFlags::Warning | CapsuleFlags::Error));
    handler_.HandleCell(capsule_);
}

cuiCellPainter::Answer cuiCellPainter::Query(cuiSheet& sheet, int row, int col) {
    Ask(sheet, row, col);
    return {Shown(capsule_.DisplayText), (capsule_.Flags & CapsuleFlags::Error) != 0,
            (capsule_.Flags & CapsuleFlags::Warning) != 0};
}

QSize cuiCellPainter::Measure(cuiSheet& sheet, int row, int col) {
    Ask(sheet, row, col);
    const QString text = Shown(capsule_.DisplayText);
    const QSize size = QFontMetrics(Font(sheet.Cell(row, col)))
                           .size(0, text.isEmpty() ? QStringLiteral("0") : text);
    return {size.width() + (2 * PadX + 1) * scale_, size.height() + (2 * PadY + 1) * scale_};
}

void cuiCellPainter::Draw(QPainter& painter, const QPalette& palette, cuiSheet& sheet, int row,
                          int col, const QRect& box, Look look) {
    Ask(sheet, row, col);
    const cmcCellObj& cell = sheet.Cell(row, col);
    uint32_t background = cell.color;
    uint32_t text = capsule_.HasFontColor ? capsule_.FontColor : CellFont(cell).color;
    if (look == Look::Focused) {
        background = ClHighlight;
        text = ClHighlightText;
    } else if (look == Look::Unfocused) {
        background = ClBtnFace;
    }
    painter.fillRect(box, OverlayColor(background, palette));
    painter.setPen(QPen(GridLine, scale_ > 1 ? scale_ : 0));
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    if ((cell.layoutFlags & kLayoutBottomRule) != 0) {
        painter.setPen(
            QPen(background == ClWindow ? BottomRule : QColor(Qt::white), scale_ > 1 ? scale_ : 0));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
    }
    painter.setFont(Font(cell));
    painter.setPen(OverlayColor(text, palette));
    painter.drawText(
        box.adjusted(PadX * scale_, PadY * scale_, (-PadX - 1) * scale_, -PadY * scale_),
        CellAlignment(cell), Shown(capsule_.DisplayText));
    const bool error = (capsule_.Flags & CapsuleFlags::Error) != 0;
    if (error || (capsule_.Flags & CapsuleFlags::Warning) != 0) {
        const QPixmap mark =
            uiHooks::TreeIcon(error ? uiHooks::TreeErrorMark : uiHooks::TreeWarningMark)
                .pixmap(MarkSize, MarkSize)
                .scaled(MarkSize * scale_, MarkSize * scale_);
        const int x = cell.HAlign() == kAlignRightBottom ? box.left() + mark.width() / 8
                                                         : box.right() - mark.width() - 1;
        painter.drawPixmap(x, box.bottom() - mark.height(), mark);
    }
}
