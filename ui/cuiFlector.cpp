#include "cuiFlector.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "CellNames.h"
#include "GridMeasure.h"
#include "cuiGridCursor.h"
#include "indDocumentContext.h"

namespace {

constexpr int Border = 2;  // the raised frame around the list

}  // namespace

cuiFlector::cuiFlector(QWidget* parent, indDocumentContext& context, const indPopupRequest& request,
                       const indCellCapsule& owner, int fontPercent, Answered answered)
    : QWidget(parent, Qt::Popup),
      painter_(context.Handler(), fontPercent),
      answered_(std::move(answered)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Choice list"));
    cuiSheetEnv env;
    env.texts = &context.Texts();
    env.image = &context.WorkingImage();
    env.modelType = context.ModelType();
    env.fontSizePercent = fontPercent;
    sheet_ = std::make_unique<cuiSheet>(env, request.list);
    sheet_->SetOwnerCapsule(&owner);
    sheet_->Build();
    cursor_ = std::make_unique<cuiGridCursor>(*sheet_, true);
    // The entry of the cell's value is marked; lists of other entry kinds find theirs too.
    std::optional<cuiCellPos> marked;
    for (int kind : {request.entryKind, static_cast<int>(FlexDtcs), static_cast<int>(FlexKeyOpt)}) {
        if (!marked) {
            marked = sheet_->FindCell(kind, request.value);
        }
    }
    cursor_->Start(marked);
    std::vector<int> widths(static_cast<size_t>(sheet_->Columns()), 0);
    std::vector<int> heights(static_cast<size_t>(sheet_->Rows()), 0);
    for (int r = 0; r < sheet_->Rows(); ++r) {
        for (int c = 0; c < sheet_->Columns(); ++c) {
            const QSize size = painter_.Measure(*sheet_, r, c);
            widths[static_cast<size_t>(c)] = std::max(widths[static_cast<size_t>(c)], size.width());
            heights[static_cast<size_t>(r)] =
                std::max(heights[static_cast<size_t>(r)], size.height());
        }
    }
    colX_ = GridMeasure::GridEdges(widths);
    rowY_ = GridMeasure::GridEdges(heights);
    resize(colX_.back() + 2 * Border, rowY_.back() + 2 * Border);
}

cuiFlector::~cuiFlector() = default;

void cuiFlector::Popup(const QPoint& at) {
    move(at);
    show();
    setFocus(Qt::PopupFocusReason);
}

QRect cuiFlector::CellRect(int row, int col) const {
    const auto r = static_cast<size_t>(row);
    const auto c = static_cast<size_t>(col);
    return {Border + colX_[c], Border + rowY_[r], colX_[c + 1] - colX_[c], rowY_[r + 1] - rowY_[r]};
}

std::optional<cuiCellPos> cuiFlector::CellAt(const QPoint& p) const {
    const int col = GridMeasure::GridIndexAt(colX_, p.x() - Border);
    const int row = GridMeasure::GridIndexAt(rowY_, p.y() - Border);
    if (row < 0 || col < 0) {
        return std::nullopt;
    }
    return cuiCellPos{row, col};
}

void cuiFlector::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.setPen(palette().light().color());
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.drawLine(rect().topLeft(), rect().bottomLeft());
    painter.setPen(palette().dark().color());
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    painter.drawLine(rect().topRight(), rect().bottomRight());
    for (int r = 0; r < sheet_->Rows(); ++r) {
        for (int c = 0; c < sheet_->Columns(); ++c) {
            // A pop-up keeps the highlight without the focus.
            const auto look = cursor_->IsSelected(r, c) ? cuiCellPainter::Look::Focused
                                                        : cuiCellPainter::Look::Plain;
            painter_.Draw(painter, palette(), *sheet_, r, c, CellRect(r, c), look);
        }
    }
}

void cuiFlector::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            cursor_->Move(0, -1);
            break;
        case Qt::Key_Down:
            cursor_->Move(0, 1);
            break;
        case Qt::Key_Left:
            cursor_->Move(-1, 0);
            break;
        case Qt::Key_Right:
            cursor_->Move(1, 0);
            break;
        case Qt::Key_PageUp:
            cursor_->PageUp();
            break;
        case Qt::Key_PageDown:
            cursor_->PageDown();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Finish(true);
            return;
        case Qt::Key_Escape:
            Finish(false);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    update();
}

void cuiFlector::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<cuiCellPos> at = CellAt(event->position().toPoint());
    if (at && cursor_->MoveTo(*at)) {
        update();
    }
}

void cuiFlector::mouseReleaseEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint())) {
        Finish(false);  // a click outside the list
        return;
    }
    const std::optional<cuiCellPos> at = CellAt(event->position().toPoint());
    if (at && cursor_->MoveTo(*at)) {
        Finish(true);
    }
}

void cuiFlector::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Finish(false);  // closed by a click elsewhere: cancelled
}

void cuiFlector::Finish(bool choose) {
    if (finished_) {
        return;
    }
    finished_ = true;
    const cuiCellPos at = sheet_->Current();
    indCellCapsule entry;
    if (choose && sheet_->Cell(at.row, at.col).Selectable()) {
        sheet_->PrepareCapsule(entry, at.row, at.col);
        entry.Editable = 1;
        answered_(&entry);
    } else {
        answered_(nullptr);
    }
    close();
}
