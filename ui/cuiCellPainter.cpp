#include "cuiCellPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "FText.h"
#include "OverlayStyle.h"
#include "WindowHooks.h"
#include "indActiveCell.h"

namespace {

constexpr int PadX = 4;  // least margin left and right of a cell's text
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

// The margin left and right of a cell's text grows with the (scaled) font,
// so that a column's widest text keeps clear of its edges at every size.
int MarginX(const QFont& font, int scale) {
    return std::max(PadX * scale, QFontMetrics(font).height() / 3);
}

// The display text without the line feed that ends its last line.
QString Shown(const std::string& text) {
    QString s = OverlayStyle::Qs(text);
    while (s.endsWith(QLatin1Char('\n'))) {
        s.chop(1);
    }
    return s;
}

// Least difference in perceived brightness (0..255) between a cell's text and its background.
constexpr int MinContrast = 96;

int Luma(const QColor& c) {
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
}

}  // namespace

QColor ReadableOn(const QColor& text, const QColor& background) {
    const int bg = Luma(background);
    // Text in the background's own colour is hidden on purpose ("n/a" entries).
    if (text.rgb() == background.rgb() || std::abs(Luma(text) - bg) >= MinContrast) {
        return text;
    }
    const QColor toward = bg < 128 ? QColor(Qt::white) : QColor(Qt::black);
    QColor blended = text;
    for (int step = 1; step <= 10 && std::abs(Luma(blended) - bg) < MinContrast; ++step) {
        const double t = step / 10.0;
        blended =
            QColor::fromRgbF(static_cast<float>(text.redF() * (1 - t) + toward.redF() * t),
                             static_cast<float>(text.greenF() * (1 - t) + toward.greenF() * t),
                             static_cast<float>(text.blueF() * (1 - t) + toward.blueF() * t));
    }
    return blended;
}

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
    return Scaled(OverlayStyle::OverlayFont(OverlayStyle::CellFont(cell)));
}

void cuiCellPainter::Ask(cuiSheet& sheet, int row, int col) {
    sheet.PrepareCapsule(capsule_, row, col);
    capsule_.Editable = 0;
    capsule_.DisplayText.clear();
    capsule_.HasFontColor = false;
    capsule_.RadioPreview = {};
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
    const QFont font = Font(sheet.Cell(row, col));
    const QSize size = QFontMetrics(font).size(0, text.isEmpty() ? QStringLiteral("0") : text);
    const QSize needed(size.width() + 2 * MarginX(font, scale_) + scale_,
                       size.height() + (2 * PadY + 1) * scale_);
    if (capsule_.RadioPreview.length > 0) {
        // A radio-text cell shows its whole field in the radio font.
        const int height = FText::CellHeight(needed.height(), capsule_.RadioPreview);
        return {std::max(needed.width(), FText::CellWidth(height, capsule_.RadioPreview)), height};
    }
    return needed;
}

void cuiCellPainter::Draw(QPainter& painter, const QPalette& palette, cuiSheet& sheet, int row,
                          int col, const QRect& box, Look look) {
    Ask(sheet, row, col);
    const cmcCellObj& cell = sheet.Cell(row, col);
    uint32_t background = cell.color;
    uint32_t text = capsule_.HasFontColor ? capsule_.FontColor : OverlayStyle::CellFont(cell).color;
    if (look == Look::Focused) {
        background = ClHighlight;
        text = ClHighlightText;
    } else if (look == Look::Unfocused) {
        background = ClBtnFace;
    }
    const QColor fill = OverlayStyle::OverlayColor(background, palette);
    painter.fillRect(box, fill);
    painter.setPen(QPen(GridLine, scale_ > 1 ? scale_ : 0));
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    if ((cell.layoutFlags & kLayoutBottomRule) != 0) {
        painter.setPen(
            QPen(background == ClWindow ? BottomRule : QColor(Qt::white), scale_ > 1 ? scale_ : 0));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
    }
    const QFont font = Font(cell);
    const int margin = MarginX(font, scale_);
    const QColor ink = ReadableOn(OverlayStyle::OverlayColor(text, palette), fill);
    painter.setFont(font);
    painter.setPen(ink);
    if (capsule_.RadioPreview.length > 0) {
        FText::DrawCell(painter, box, capsule_.DisplayText, capsule_.RadioPreview,
                        userGlyphs_ ? userGlyphs_() : RadioFont::UserGlyphs{}, ink);
    } else {
        painter.drawText(box.adjusted(margin, PadY * scale_, -margin - scale_, -PadY * scale_),
                         CellAlignment(cell), Shown(capsule_.DisplayText));
    }
    const bool error = (capsule_.Flags & CapsuleFlags::Error) != 0;
    if (error || (capsule_.Flags & CapsuleFlags::Warning) != 0) {
        const QPixmap mark =
            WindowHooks::TreeIcon(error ? WindowHooks::TreeErrorMark : WindowHooks::TreeWarningMark)
                .pixmap(MarkSize, MarkSize)
                .scaled(MarkSize * scale_, MarkSize * scale_);
        const int x = cell.HAlign() == kAlignRightBottom ? box.left() + mark.width() / 8
                                                         : box.right() - mark.width() - 1;
        painter.drawPixmap(x, box.bottom() - mark.height(), mark);
    }
}
