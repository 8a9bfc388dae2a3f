#include "cuiEeGrid.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "GridMeasure.h"

cuiEeGrid::cuiEeGrid(std::unique_ptr<cuiSheet> sheet, indActiveCell& handler, QWidget* parent)
    : QAbstractScrollArea(parent), sheet_(std::move(sheet)), painter_(handler) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(true);
    const cuiGridSizes sizes = GridMeasure::MeasureGrid(painter_, *sheet_);
    for (int w : sizes.widths) {
        colX_.push_back(colX_.back() + w);
    }
    for (int h : sizes.heights) {
        rowY_.push_back(rowY_.back() + h);
    }
    UpdateScrollBar();
}

cuiEeGrid::~cuiEeGrid() = default;

QString cuiEeGrid::CellText(int row, int col) {
    return painter_.Query(*sheet_, row, col).text;
}

int cuiEeGrid::TopRow() const {
    const int y = rowY_[static_cast<size_t>(sheet_->FixedRows())] + verticalScrollBar()->value();
    const auto it = std::upper_bound(rowY_.begin(), rowY_.end(), y);
    return static_cast<int>(it - rowY_.begin()) - 1;
}

void cuiEeGrid::UpdateScrollBar() {
    const int fixed = rowY_[static_cast<size_t>(sheet_->FixedRows())];
    const int visible = std::max(0, viewport()->height() - fixed);
    verticalScrollBar()->setRange(0, std::max(0, rowY_.back() - fixed - visible));
    verticalScrollBar()->setPageStep(visible);
    const int body = sheet_->FixedRows() < sheet_->Rows()
                         ? rowY_[static_cast<size_t>(sheet_->FixedRows()) + 1] -
                               rowY_[static_cast<size_t>(sheet_->FixedRows())]
                         : 16;
    verticalScrollBar()->setSingleStep(std::max(1, body));
}

void cuiEeGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void cuiEeGrid::GoTo(int row, int col) {
    if (row < 0 || col < 0 || row >= sheet_->Rows() || col >= sheet_->Columns()) {
        return;
    }
    sheet_->SetCurrent({row, col});
    const int fixed = rowY_[static_cast<size_t>(sheet_->FixedRows())];
    const int top = rowY_[static_cast<size_t>(row)] - fixed;
    const int bottom = rowY_[static_cast<size_t>(row) + 1] - fixed;
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (bottom > bar->value() + bar->pageStep()) {
        // The top row starts on its edge: the first row edge at or below the needed offset.
        const int needed = bottom - bar->pageStep() + fixed;
        const auto edge = std::lower_bound(rowY_.begin(), rowY_.end(), needed);
        bar->setValue((edge != rowY_.end() ? *edge : needed) - fixed);
    }
    viewport()->update();
}

void cuiEeGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    const int fixedRows = sheet_->FixedRows();
    const int fixedHeight = rowY_[static_cast<size_t>(fixedRows)];
    const int scroll = verticalScrollBar()->value();
    const int height = viewport()->height();
    const auto drawRow = [&](int r, int y) {
        for (int c = 0; c < sheet_->Columns(); ++c) {
            const QRect box(colX_[static_cast<size_t>(c)], y,
                            colX_[static_cast<size_t>(c) + 1] - colX_[static_cast<size_t>(c)],
                            rowY_[static_cast<size_t>(r) + 1] - rowY_[static_cast<size_t>(r)]);
            const bool current = sheet_->Current() == cuiCellPos{r, c};
            painter_.Draw(painter, palette(), *sheet_, r, c, box,
                          current ? cuiCellPainter::Look::Focused : cuiCellPainter::Look::Plain);
        }
    };
    painter.setClipRect(0, fixedHeight, viewport()->width(), height - fixedHeight);
    for (int r = TopRow(); r >= 0 && r < sheet_->Rows(); ++r) {
        const int y = rowY_[static_cast<size_t>(r)] - scroll;
        if (y >= height) {
            break;
        }
        drawRow(r, y);
    }
    painter.setClipping(false);
    for (int r = 0; r < fixedRows; ++r) {
        drawRow(r, rowY_[static_cast<size_t>(r)]);
    }
}
