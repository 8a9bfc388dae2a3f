#include "cuiCharTable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "FText.h"
#include "RadioText.h"

cuiCharTable::cuiCharTable(std::unique_ptr<cuiSheet> sheet, int cellHeight, QWidget* parent,
                           Acted acted)
    : QWidget(parent), sheet_(std::move(sheet)), cellH_(cellHeight), acted_(std::move(acted)) {
    cellW_ = FText::CellWidth(cellHeight, {1, true}) + 4;
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Character table"));
    for (int r = 0; r < sheet_->Rows(); ++r) {
        for (int c = 0; c < sheet_->Columns(); ++c) {
            if (sheet_->Cell(r, c).Selectable()) {
                current_ = {r, c};
                return;
            }
        }
    }
}

cuiCharTable::~cuiCharTable() = default;

QSize cuiCharTable::sizeHint() const {
    return {sheet_->Columns() * cellW_, sheet_->Rows() * cellH_};
}

QRect cuiCharTable::CellRect(int row, int col) const {
    return {col * cellW_, row * cellH_, cellW_, cellH_};
}

std::string cuiCharTable::CurrentText() const {
    const cmcCellObj& cell = sheet_->Cell(current_.row, current_.col);
    // The overlay may spell a character either way; the memo gets the usual form.
    const std::string bytes = RadioText::FromDisplay(cell.text.value_or(""));
    return RadioText::ToDisplay(reinterpret_cast<const uint8_t*>(bytes.data()),
                                static_cast<int>(bytes.size()));
}

bool cuiCharTable::MoveTo(int row, int col) {
    if (row < 0 || col < 0 || row >= sheet_->Rows() || col >= sheet_->Columns() ||
        !sheet_->Cell(row, col).Selectable()) {
        return false;
    }
    update(CellRect(current_.row, current_.col));
    current_ = {row, col};
    update(CellRect(row, col));
    return true;
}

void cuiCharTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    for (int r = 0; r < sheet_->Rows(); ++r) {
        for (int c = 0; c < sheet_->Columns(); ++c) {
            const QRect box = CellRect(r, c);
            if (!box.intersects(event->rect())) {
                continue;
            }
            const bool current = r == current_.row && c == current_.col;
            if (current) {
                painter.fillRect(box, palette().highlight());
            }
            FText::Style style;
            style.perLine = 1;
            style.fieldLength = 1;
            style.centred = true;
            FText::Draw(painter, box, RadioText::FromDisplay(sheet_->Cell(r, c).text.value_or("")),
                        style, user_,
                        current ? palette().highlightedText().color() : palette().text().color());
        }
    }
}

void cuiCharTable::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (dx != 0 || dy != 0) {
        MoveTo(current_.row + dy, current_.col + dx);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        acted_(Action::Accept, {});
    } else if (key == Qt::Key_Space) {
        acted_(Action::Pick, CurrentText());
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Escape) {
        acted_(Action::ReturnFocus, {});
    } else if (event->text().size() == 1 && event->text()[0].unicode() >= 0x20 &&
               event->text()[0].unicode() <= 0xFF && event->text()[0].unicode() != 0x7F) {
        acted_(Action::Type, event->text().toLatin1().toStdString());
    } else {
        QWidget::keyPressEvent(event);
    }
}

void cuiCharTable::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (MoveTo(p.y() / cellH_, p.x() / cellW_)) {
        acted_(Action::Pick, CurrentText());
        acted_(Action::ReturnFocus, {});
    }
}
