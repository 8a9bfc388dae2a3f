#include "uiSheetView.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "OverlayStyle.h"
#include "indActiveCell.h"
#include "indCellCapsule.h"

namespace {

constexpr int PadX = 6;  // each side of a cell's text
constexpr int PadY = 3;
constexpr int GridLine = 1;

Qt::Alignment CellAlignment(const cmcCellObj& cell) {
    static constexpr Qt::Alignment kH[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::Alignment kV[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kH[std::min(cell.HAlign(), 2)] | kV[std::min(cell.VAlign(), 2)];
}

}  // namespace

uiSheetView::uiSheetView(std::unique_ptr<cuiSheet> sheet, indActiveCell& handler, QWidget* parent)
    : QWidget(parent), sheet_(std::move(sheet)), handler_(handler) {
    Refresh();
}

uiSheetView::~uiSheetView() = default;

void uiSheetView::Refresh() {
    const int rows = sheet_->Rows();
    const int cols = sheet_->Columns();
    shown_.assign(static_cast<size_t>(rows * cols), {});
    columnWidths_.assign(static_cast<size_t>(cols), 0);
    rowHeights_.assign(static_cast<size_t>(rows), 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            indCellCapsule capsule;
            sheet_->PrepareCapsule(capsule, r, c);
            capsule.Editable = 0;
            handler_.HandleCell(capsule);
            const cmcCellObj& cell = sheet_->Cell(r, c);
            const cmcFont& font = OverlayStyle::CellFont(cell);
            Shown& s = shown_[static_cast<size_t>(r * cols + c)];
            s.text = OverlayStyle::Qs(capsule.DisplayText);
            while (s.text.endsWith(QLatin1Char('\n'))) {
                s.text.chop(1);  // a text of lines each ending in a line feed: no empty last line
            }
            s.textColor = capsule.HasFontColor ? capsule.FontColor : font.color;
            const QSize size = QFontMetrics(OverlayStyle::OverlayFont(font)).size(0, s.text);
            auto& width = columnWidths_[static_cast<size_t>(c)];
            auto& height = rowHeights_[static_cast<size_t>(r)];
            width = std::max(width, size.width() + 2 * PadX);
            height = std::max(height, size.height() + 2 * PadY);
        }
    }
    int width = GridLine;
    for (int w : columnWidths_) {
        width += w + GridLine;
    }
    int height = GridLine;
    for (int h : rowHeights_) {
        height += h + GridLine;
    }
    total_ = QSize(width, height);
    setFixedSize(total_);
    update();
}

const uiSheetView::Shown& uiSheetView::At(int row, int col) const {
    return shown_[static_cast<size_t>(row * sheet_->Columns() + col)];
}

QString uiSheetView::CellText(int row, int col) const {
    return At(row, col).text;
}

void uiSheetView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(),
                     OverlayStyle::OverlayColor(0x80000010u, pal));  // grid lines: button shadow
    int y = GridLine;
    for (int r = 0; r < sheet_->Rows(); ++r) {
        const int h = rowHeights_[static_cast<size_t>(r)];
        int x = GridLine;
        for (int c = 0; c < sheet_->Columns(); ++c) {
            const int w = columnWidths_[static_cast<size_t>(c)];
            const cmcCellObj& cell = sheet_->Cell(r, c);
            const QRect box(x, y, w, h);
            painter.fillRect(box, OverlayStyle::OverlayColor(cell.color, pal));
            painter.setFont(OverlayStyle::OverlayFont(OverlayStyle::CellFont(cell)));
            painter.setPen(OverlayStyle::OverlayColor(At(r, c).textColor, pal));
            painter.drawText(box.adjusted(PadX, PadY, -PadX, -PadY), CellAlignment(cell),
                             At(r, c).text);
            x += w + GridLine;
        }
        y += h + GridLine;
    }
}
