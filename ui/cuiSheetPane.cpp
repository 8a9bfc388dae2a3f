#include "cuiSheetPane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "CellNames.h"
#include "EventIds.h"
#include "GridMeasure.h"
#include "OverlayStyle.h"
#include "TextPaste.h"
#include "cmcEvMan.h"
#include "cmcMessageBoxHost.h"
#include "cuiCellEditor.h"
#include "cuiFlector.h"
#include "cuiGridCursor.h"
#include "cuiSheetAccessible.h"
#include "cuiTextEditor.h"
#include "indMain.h"

namespace {

// Key codes of the platform the handler knows: a key code is sent shifted left by 8.
constexpr int32_t VkLeft = 0x25;
constexpr int32_t VkRight = 0x27;
constexpr int32_t VkF1 = 0x70;
constexpr int PadTitle = 2;
constexpr int DragStepMs = 50;
constexpr int RedirFirstWaitMs = 30;
constexpr int RedirWaitStepMs = 6;
// Marks clipboard text as rows this program copied.
constexpr char RowsMime[] = "application/x-orvane-rows";

}  // namespace

cuiSheetPane::cuiSheetPane(indMain& main, QWidget* parent)
    : QAbstractScrollArea(parent), main_(main), painter_(main.Context().Handler()) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Sheet"));
    editor_ = new cuiCellEditor(viewport(), [this](int key) { EditorFinished(key); });
    title_ = new QLabel(this);
    title_->setAutoFillBackground(true);
    title_->setContentsMargins(PadTitle, PadTitle, PadTitle, PadTitle);
    title_->hide();
    dragTimer_ = new QTimer(this);
    dragTimer_->setInterval(DragStepMs);
    connect(dragTimer_, &QTimer::timeout, this, [this] { DragScroll(); });
    painter_.SetUserGlyphs(
        [this] { return RadioFont::ReadUserGlyphs(main_.Context().WorkingImage()); });
    EvMan().AddListener(&OnEvent, this);
    // Edit > Paste follows what the clipboard holds.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [] { EvMan().Post(EventIds::MenuStates, nullptr, 0); });
    cuiSheetAccessible::Install();
    // An interface made while the base classes were being built is a plain widget's.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this);
    if (made != nullptr && dynamic_cast<cuiSheetAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

cuiCellPainter::Answer cuiSheetPane::CellAnswer(int row, int col) {
    if (sheet_ == nullptr || row < 0 || col < 0 || row >= RowCount() || col >= ColumnCount()) {
        return {};
    }
    return painter_.Query(*sheet_, row, col);
}

QFont cuiSheetPane::CellFont(int row, int col) const {
    return sheet_ != nullptr ? painter_.Font(sheet_->Cell(row, col)) : font();
}

bool cuiSheetPane::CellSelectable(int row, int col) const {
    return sheet_ != nullptr && row >= 0 && col >= 0 && row < RowCount() && col < ColumnCount() &&
           sheet_->Cell(row, col).Selectable();
}

bool cuiSheetPane::CellSelected(int row, int col) const {
    return cursor_ != nullptr && row >= 0 && col >= 0 && row < RowCount() && col < ColumnCount() &&
           cursor_->IsSelected(row, col);
}

void cuiSheetPane::Announce(QAccessible::Event kind) {
    if (!QAccessible::isActive() || sheet_ == nullptr || RowCount() == 0) {
        return;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    if (table == nullptr || table->tableInterface() == nullptr) {
        return;
    }
    const cuiCellPos at = Current();
    if (QAccessibleInterface* cell = table->tableInterface()->cellAt(at.row, at.col)) {
        QAccessibleEvent event(cell, kind);
        QAccessible::updateAccessibility(&event);
    }
}

cuiSheetPane::~cuiSheetPane() {
    // An open character editor answers (with nothing) while the pane is still whole.
    delete textEditor_.data();
    delete charEditor_.data();
    EvMan().RemoveListener(&OnEvent, this);
}

void cuiSheetPane::OnEvent(void* self, const cmcEvent& event) {
    static_cast<cuiSheetPane*>(self)->HandleEvent(event);
}

void cuiSheetPane::HandleEvent(const cmcEvent& event) {
    if (event.kind == EventIds::CommitEdits) {
        editor_->Finish(Qt::Key_Return);
        if (textEditor_ != nullptr) {
            textEditor_->Accept();
        }
        return;
    }
    // The owner of an open cell menu names the cell it was opened on: row and
    // column, and category, item and index as data.
    if (event.kind == EventIds::PopupCellQuery && event.mode == cmcEvMode::Query &&
        sheet_ != nullptr && menu_ != nullptr && event.object == menu_.data()) {
        const cuiCellPos at = Current();
        const cmcCellObj& cell = sheet_->Cell(at.row, at.col);
        const int32_t where[3] = {cell.category, cell.item, cell.index};
        EvMan().Answer(at.row, at.col);
        EvMan().AnswerData(where, sizeof where);
        return;
    }
    const bool repaint = event.kind >= EventIds::RepaintAll && event.kind <= EventIds::RepaintBelow;
    const bool remeasure = event.kind == EventIds::BankSheetRefresh ||
                           event.kind == EventIds::ChannelInserted ||
                           event.kind == EventIds::ChannelDeleted;
    if (!repaint && !remeasure) {
        return;
    }
    viewport()->update();
    // Measured once the sender is done, and not while an action of this pane runs (it measures
    // after).
    if (remeasure && !refreshQueued_) {
        refreshQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            refreshQueued_ = false;
            if (busy_ == 0 && !editor_->IsOpen()) {
                Refresh(true);
            }
        });
    }
}

void cuiSheetPane::ShowTitle() {
    if (sheet_ == nullptr || !sheet_->HasTitle()) {
        title_->hide();
        setViewportMargins(0, 0, 0, 0);
        return;
    }
    const cmcSheetStyle& style = sheet_->Style();
    title_->setText(OverlayStyle::Qs(sheet_->Title()));
    title_->setFont(painter_.Scaled(OverlayStyle::OverlayFont(style.titleFont)));
    QPalette pal = title_->palette();
    pal.setColor(QPalette::Window, OverlayStyle::OverlayColor(style.titleColor, palette()));
    pal.setColor(QPalette::WindowText,
                 OverlayStyle::OverlayColor(sheet_->TitleTextColor(), palette()));
    title_->setPalette(pal);
    const int height = title_->sizeHint().height();
    setViewportMargins(0, height, 0, 0);
    title_->setGeometry(frameWidth(), frameWidth(), width() - 2 * frameWidth(), height);
    title_->show();
}

void cuiSheetPane::Reload() {
    if (busy_ > 0) {
        reloadPending_ = true;  // the action that caused it is still running on the old sheet
        return;
    }
    reloadPending_ = false;
    editor_->hide();
    if (textEditor_ != nullptr) {
        textEditor_->Cancel();  // its sheet is going
    }
    if (auto* table =
            dynamic_cast<cuiSheetAccessible*>(QAccessible::queryAccessibleInterface(this))) {
        table->Reset();
    }
    cells_.reset();
    cursor_.reset();
    sheet_ = main_.Sheet();
    // The View menu's font size scales the window's (the overlay's) font.
    painter_.SetFontPercent(main_.FontSize());
    setFont(painter_.Scaled(parentWidget() != nullptr ? parentWidget()->font() : font()));
    if (sheet_ != nullptr) {
        cursor_ = std::make_unique<cuiGridCursor>(*sheet_);
        cells_ = std::make_unique<indCellSession>(*sheet_, main_.Context());
        cells_->SetCursor(cursor_.get());
        // A run of follow-up keys is animated: each step is drawn, then held
        // 30 ms, 6 ms less for each further step, down to none.
        cells_->SetStepHook([this](int step) {
            CursorMoved();
            viewport()->repaint();
            const int wait = RedirFirstWaitMs - RedirWaitStepMs * step;
            if (wait > 0) {
                QThread::msleep(static_cast<unsigned long>(wait));
            }
        });
        cursor_->Start(sheet_->Current());
        sheet_->SetTitleListener([this] { ShowTitle(); });
    }
    // Measured first: the title's height resizes the viewport, and the resize
    // reads the new sheet's fixed columns from the edges.
    Measure();
    ShowTitle();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    if (sheet_ != nullptr) {
        const std::optional<cuiSheetPlace> place = main_.History().Find(sheet_->Reference());
        if (place && place->leftCol >= sheet_->FixedCols() && place->leftCol < ColumnCount() &&
            place->topRow >= sheet_->FixedRows() && place->topRow < RowCount()) {
            horizontalScrollBar()->setValue(colX_[static_cast<size_t>(place->leftCol)] -
                                            FixedWidth());
            verticalScrollBar()->setValue(rowY_[static_cast<size_t>(place->topRow)] -
                                          FixedHeight());
        }
        CursorMoved();
    }
    viewport()->update();
}

void cuiSheetPane::Measure() {
    cuiGridSizes sizes;
    if (sheet_ != nullptr) {
        sizes = GridMeasure::MeasureGrid(painter_, *sheet_);
    }
    colX_ = GridMeasure::GridEdges(sizes.widths);
    rowY_ = GridMeasure::GridEdges(sizes.heights);
    UpdateScrollBars();
}

void cuiSheetPane::UpdateScrollBars() {
    const int w = colX_.back() - FixedWidth();
    const int h = rowY_.back() - FixedHeight();
    const int visibleW = std::max(0, viewport()->width() - FixedWidth());
    const int visibleH = std::max(0, viewport()->height() - FixedHeight());
    horizontalScrollBar()->setRange(0, std::max(0, w - visibleW));
    horizontalScrollBar()->setPageStep(visibleW);
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setRange(0, std::max(0, h - visibleH));
    verticalScrollBar()->setPageStep(visibleH);
    verticalScrollBar()->setSingleStep(RowCount() > 0 ? rowY_[1] - rowY_[0] : 16);
}

QRect cuiSheetPane::CellRect(int row, int col) const {
    if (row < 0 || col < 0 || row >= RowCount() || col >= ColumnCount()) {
        return {};
    }
    const bool fixedCol = sheet_ != nullptr && col < sheet_->FixedCols();
    const bool fixedRow = sheet_ != nullptr && row < sheet_->FixedRows();
    const int x = colX_[static_cast<size_t>(col)] - (fixedCol ? 0 : horizontalScrollBar()->value());
    const int y = rowY_[static_cast<size_t>(row)] - (fixedRow ? 0 : verticalScrollBar()->value());
    return {x, y, colX_[static_cast<size_t>(col) + 1] - colX_[static_cast<size_t>(col)],
            rowY_[static_cast<size_t>(row) + 1] - rowY_[static_cast<size_t>(row)]};
}

std::optional<cuiCellPos> cuiSheetPane::CellAt(const QPoint& p) const {
    if (sheet_ == nullptr) {
        return std::nullopt;
    }
    // A point beyond the fixed cells is shifted by the scroll offset.
    const auto find = [](const std::vector<int>& edges, int fixed, int fixedEnd, int offset,
                         int v) {
        const int i = GridMeasure::GridIndexAt(edges, v < fixedEnd ? v : v + offset);
        return v >= fixedEnd && i < fixed ? -1 : i;
    };
    const int col =
        find(colX_, sheet_->FixedCols(), FixedWidth(), horizontalScrollBar()->value(), p.x());
    const int row =
        find(rowY_, sheet_->FixedRows(), FixedHeight(), verticalScrollBar()->value(), p.y());
    if (row < 0 || col < 0) {
        return std::nullopt;
    }
    return cuiCellPos{row, col};
}

cuiCellPos cuiSheetPane::Current() const {
    return sheet_ != nullptr ? sheet_->Current() : cuiCellPos{};
}

bool cuiSheetPane::SetCurrentCell(int row, int col) {
    if (cursor_ == nullptr || editor_->IsOpen() || !cursor_->MoveTo({row, col})) {
        return false;
    }
    CursorMoved();
    return true;
}

// --- drawing

cuiCellPainter::Look cuiSheetPane::LookOf(int row, int col) const {
    if (cursor_ == nullptr || !cursor_->IsSelected(row, col)) {
        return cuiCellPainter::Look::Plain;
    }
    if (editor_->IsOpen()) {
        return cuiCellPainter::Look::Edited;
    }
    return hasFocus() ? cuiCellPainter::Look::Focused : cuiCellPainter::Look::Unfocused;
}

void cuiSheetPane::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    if (sheet_ == nullptr) {
        return;
    }
    const int fw = FixedWidth();
    const int fh = FixedHeight();
    const QRect view = viewport()->rect();
    // Scrolled cells first, then the fixed rows, the fixed columns, the corner.
    const auto draw = [&](int r0, int r1, int c0, int c1, const QRect& clip) {
        painter.setClipRect(clip);
        for (int r = r0; r < r1; ++r) {
            for (int c = c0; c < c1; ++c) {
                const QRect box = CellRect(r, c);
                if (box.intersects(clip)) {
                    painter_.Draw(painter, palette(), *sheet_, r, c, box, LookOf(r, c));
                }
            }
        }
    };
    const int rows = RowCount();
    const int cols = ColumnCount();
    const int fr = sheet_->FixedRows();
    const int fc = sheet_->FixedCols();
    // Only the rows and columns in view are asked for.
    const auto first = [](const std::vector<int>& edges, int from, int v) {
        const auto it = std::upper_bound(edges.begin() + from, edges.end(), v);
        return std::max(from, static_cast<int>(it - edges.begin()) - 1);
    };
    const auto last = [](const std::vector<int>& edges, int v) {
        return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), v) - edges.begin());
    };
    const int hOff = horizontalScrollBar()->value();
    const int vOff = verticalScrollBar()->value();
    const int rFirst = first(rowY_, fr, fh + vOff);
    const int rLast = std::min(rows, last(rowY_, view.height() + vOff));
    const int cFirst = first(colX_, fc, fw + hOff);
    const int cLast = std::min(cols, last(colX_, view.width() + hOff));
    draw(rFirst, rLast, cFirst, cLast, QRect(fw, fh, view.width() - fw, view.height() - fh));
    draw(0, fr, cFirst, cLast, QRect(fw, 0, view.width() - fw, fh));
    draw(rFirst, rLast, 0, fc, QRect(0, fh, fw, view.height() - fh));
    draw(0, fr, 0, fc, QRect(0, 0, fw, fh));
}

void cuiSheetPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (title_->isVisible()) {
        title_->setGeometry(frameWidth(), frameWidth(), width() - 2 * frameWidth(),
                            title_->height());
    }
    UpdateScrollBars();
}

void cuiSheetPane::scrollContentsBy(int /*dx*/, int /*dy*/) {
    if (editor_->IsOpen() && sheet_ != nullptr) {
        editor_->setGeometry(CellRect(Current().row, Current().col));
    }
    if (sheet_ != nullptr) {
        const auto col = CellAt({FixedWidth(), FixedHeight()});
        main_.SetSheetScroll(col ? col->col : sheet_->FixedCols(),
                             col ? col->row : sheet_->FixedRows());
    }
    viewport()->update();
}

void cuiSheetPane::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void cuiSheetPane::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// --- the cursor

void cuiSheetPane::CursorMoved(bool scrollFullyLeft, bool scrollFullyUp) {
    if (sheet_ == nullptr || RowCount() == 0) {
        return;
    }
    const cuiCellPos at = Current();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (scrollFullyLeft) {
        h->setValue(0);
    } else if (at.col >= sheet_->FixedCols()) {
        const int left = colX_[static_cast<size_t>(at.col)] - FixedWidth();
        const int right = colX_[static_cast<size_t>(at.col) + 1] - viewport()->width();
        h->setValue(std::clamp(h->value(), std::min(right, left), left));
    }
    if (scrollFullyUp) {
        v->setValue(0);
    } else if (at.row >= sheet_->FixedRows()) {
        const int top = rowY_[static_cast<size_t>(at.row)] - FixedHeight();
        const int bottom = rowY_[static_cast<size_t>(at.row) + 1] - viewport()->height();
        v->setValue(std::clamp(v->value(), std::min(bottom, top), top));
    }
    main_.MoveSheetCursor(at);
    viewport()->update();
    Announce(QAccessible::Focus);
}

void cuiSheetPane::MoveCursor(int dx, int dy, bool extend) {
    const cuiCursorMove move = cursor_->Move(dx, dy, extend);
    if (move.moved) {
        CursorMoved(move.scrollFullyLeft, move.scrollFullyUp);
    } else if (dx != 0) {
        // Left or Right at an edge goes to the cell as a key code.
        SendKey((dx < 0 ? VkLeft : VkRight) << 8);
    }
}

// --- keys, the editor and the cell session

void cuiSheetPane::keyPressEvent(QKeyEvent* event) {
    if (cursor_ == nullptr) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    const int key = event->key();
    switch (key) {
        case Qt::Key_Up:
            MoveCursor(0, -1, shift);
            return;
        case Qt::Key_Down:
            MoveCursor(0, 1, shift);
            return;
        case Qt::Key_Left:
            MoveCursor(-1, 0, shift);
            return;
        case Qt::Key_Right:
            MoveCursor(1, 0, shift);
            return;
        case Qt::Key_PageUp:
            MoveCursor(0, -cuiGridCursor::kPageRows, shift);
            return;
        case Qt::Key_PageDown:
            MoveCursor(0, cuiGridCursor::kPageRows, shift);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            SendKey(Keys::Enter);
            return;
        case Qt::Key_Backspace:
            SendKey(Keys::Backspace);
            return;
        default:
            break;
    }
    if (event->matches(QKeySequence::Copy)) {
        RunRowCommand(CL_PMenu_Copy);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        SendKey((VkF1 + key - Qt::Key_F1) << 8);
        return;
    }
    const QString text = event->text();
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0 && text.size() == 1 &&
        text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F) {
        SendKey(text[0].unicode());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void cuiSheetPane::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const std::optional<cuiCellPos> at = CellAt(event->position().toPoint());
    if (!at || cursor_ == nullptr) {
        return;
    }
    const bool right = event->button() == Qt::RightButton;
    // A right click inside the selection keeps it for the row commands.
    const bool keep = right && cursor_->IsSelected(at->row, at->col);
    const bool extend = !right && (event->modifiers() & Qt::ShiftModifier) != 0;
    if (!keep && cursor_->MoveTo(*at, extend)) {
        CursorMoved();
    }
    if (right && (keep || *at == Current())) {
        OpenCellMenu(event->position().toPoint());
    }
}

void cuiSheetPane::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with the button held extends the selection.
    if ((event->buttons() & Qt::LeftButton) == 0 || cursor_ == nullptr) {
        return;
    }
    const QPoint p = event->position().toPoint();
    const QRect view = viewport()->rect();
    dragDirection_ = (p.x() < view.left() ? 1 : 0) | (p.x() > view.right() ? 2 : 0) |
                     (p.y() < view.top() ? 4 : 0) | (p.y() > view.bottom() ? 8 : 0);
    if (dragDirection_ != 0) {
        if (!dragTimer_->isActive()) {
            dragTimer_->start();
        }
        return;
    }
    dragTimer_->stop();
    const std::optional<cuiCellPos> at = CellAt(p);
    if (at && !(*at == Current()) && cursor_->MoveTo(*at, true)) {
        CursorMoved();
    }
}

void cuiSheetPane::mouseReleaseEvent(QMouseEvent* /*event*/) {
    dragTimer_->stop();
    dragDirection_ = 0;
}

void cuiSheetPane::DragScroll() {
    if (cursor_ == nullptr || dragDirection_ == 0 ||
        (QGuiApplication::mouseButtons() & Qt::LeftButton) == 0) {
        dragTimer_->stop();
        return;
    }
    const int dx = (dragDirection_ & 2) != 0 ? 1 : (dragDirection_ & 1) != 0 ? -1 : 0;
    const int dy = (dragDirection_ & 8) != 0 ? 1 : (dragDirection_ & 4) != 0 ? -1 : 0;
    bool moved = false;
    if (dy != 0) {
        moved = cursor_->Move(0, dy, true).moved || moved;
    }
    if (dx != 0) {
        moved = cursor_->Move(dx, 0, true).moved || moved;
    }
    if (moved) {
        CursorMoved();
    }
}

QString cuiSheetPane::SelectedRowsText() {
    QStringList lines;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        bool selected = r == Current().row;
        for (int c = 0; c < ColumnCount() && !selected; ++c) {
            selected = CellSelected(r, c);
        }
        if (!selected) {
            continue;
        }
        QStringList fields;
        for (int c = FixedColumns(); c < ColumnCount(); ++c) {
            if (sheet_->Cell(r, c).item != kNoCellItem) {
                fields << CellAnswer(r, c)
                              .text.replace(QLatin1Char('\t'), QLatin1Char(' '))
                              .replace(QLatin1Char('\n'), QLatin1Char(' '));
            }
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void cuiSheetPane::OpenCellMenu(const QPoint& at) {
    if (cells_ == nullptr) {
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const indMenuEntry& entry : cells_->PopupMenu()) {
        if (entry.hidden) {
            continue;
        }
        if (entry.caption == "-") {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(OverlayStyle::Qs(entry.caption));
        // Paste also takes another program's text.
        action->setEnabled(entry.enabled ||
                           (entry.item == CL_PMenu_Paste && ClipboardHoldsForeignText()));
        const int item = entry.item;
        connect(action, &QAction::triggered, this, [this, item] {
            if (item == CL_PMenu_Paste) {
                Paste();
            } else {
                RunRowCommand(item);
            }
        });
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu_ = menu;
    menu->popup(viewport()->mapToGlobal(at));
}

void cuiSheetPane::RunRowCommand(int item) {
    if (cells_ == nullptr) {
        return;
    }
    const QString copied = item == CL_PMenu_Copy ? SelectedRowsText() : QString();
    ++busy_;
    const indCellResult result = cells_->RowCommand(item);
    --busy_;
    Follow(result);
    Refresh(true);  // a row command may change every row
    if (item == CL_PMenu_Copy && result.outcome == indCellOutcome::Done) {
        auto* mime = new QMimeData;
        mime->setText(copied);
        mime->setData(QString::fromLatin1(RowsMime), copied.toUtf8());
        QGuiApplication::clipboard()->setMimeData(mime);
    }
}

bool cuiSheetPane::ClipboardHoldsForeignText() const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr && mime->hasText() && !mime->hasFormat(QString::fromLatin1(RowsMime)) &&
           !mime->text().trimmed().isEmpty();
}

bool cuiSheetPane::Paste() {
    if (cells_ == nullptr || sheet_ == nullptr || editor_->IsOpen()) {
        return false;
    }
    if (!ClipboardHoldsForeignText()) {
        RunRowCommand(CL_PMenu_Paste);
        return last_.outcome == indCellOutcome::Done;
    }
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    ++busy_;
    const indPasteResult result = TextPaste::PasteTabText(*sheet_, main_.Context(), text);
    --busy_;
    cursor_->MoveTo(sheet_->Current(), false);
    if (reloadPending_) {
        Reload();
    }
    Refresh(true);
    if (!result.pasted) {
        CurrentMessageBoxHost().Show(main_.AppTitle(), result.message, cmcMbButtons::Ok,
                                     cmcMbIcon::Warning);
    }
    return result.pasted;
}

void cuiSheetPane::mouseDoubleClickEvent(QMouseEvent* event) {
    const std::optional<cuiCellPos> at = CellAt(event->position().toPoint());
    if (at && *at == Current()) {
        SendKey(Keys::EnterAlias);
    }
}

void cuiSheetPane::SendKey(int32_t key) {
    if (cells_ == nullptr) {
        return;
    }
    ++busy_;
    const indCellResult result = cells_->Key(key);
    --busy_;
    Follow(result);
}

void cuiSheetPane::EditorFinished(int key) {
    if (cells_ == nullptr) {
        return;
    }
    setFocus(Qt::OtherFocusReason);
    if (key != Qt::Key_Escape) {
        ++busy_;
        const indCellResult result = cells_->Commit(editor_->text().toStdString());
        --busy_;
        Follow(result);
        if (reloadPending_ || cursor_ == nullptr) {
            return;
        }
    }
    switch (key) {
        case Qt::Key_Up:
            MoveCursor(0, -1, false);
            break;
        case Qt::Key_Down:
            MoveCursor(0, 1, false);
            break;
        case Qt::Key_PageUp:
            MoveCursor(0, -cuiGridCursor::kPageRows, false);
            break;
        case Qt::Key_PageDown:
            MoveCursor(0, cuiGridCursor::kPageRows, false);
            break;
        default:
            viewport()->update();
            break;
    }
}

void cuiSheetPane::Follow(const indCellResult& result) {
    last_ = result;
    if (reloadPending_) {
        Reload();
        return;
    }
    Refresh();
    if (result.changed) {
        Announce(QAccessible::NameChanged);
    }
    if (result.outcome == indCellOutcome::EditorOpened && result.radio.length > 0) {
        OpenRadioEditor(result);
    } else if (result.outcome == indCellOutcome::EditorOpened) {
        const cuiCellPos at = Current();
        CursorMoved();
        editor_->Open(CellRect(at.row, at.col), painter_.Font(sheet_->Cell(at.row, at.col)),
                      OverlayStyle::Qs(result.editText), result.caretPos, result.selLength);
    } else if (result.outcome == indCellOutcome::PopupOpened &&
               result.popup.kind == indPopupRequest::Kind::ChoiceList) {
        OpenChoice(result.popup);
    } else if (result.outcome == indCellOutcome::PopupOpened &&
               result.popup.kind == indPopupRequest::Kind::FlagBits) {
        OpenFlagBits(result.popup);
    }
}

void cuiSheetPane::OpenFlagBits(const indPopupRequest& request) {
    const cuiCellPos at = Current();
    CursorMoved();
    flagBits_ = new cuiFBitsR(this, request, [this](std::optional<int32_t> bits) {
        if (cells_ == nullptr) {
            return;
        }
        activateWindow();
        setFocus(Qt::PopupFocusReason);
        if (!bits) {
            cells_->ClosePopup();
            viewport()->update();
            return;
        }
        ++busy_;
        const indCellResult result = cells_->SetFlagBits(*bits);
        --busy_;
        Follow(result);
    });
    flagBits_->Popup(viewport()->mapToGlobal(CellRect(at.row, at.col).bottomLeft() + QPoint(0, 1)));
}

void cuiSheetPane::OpenChoice(const indPopupRequest& request) {
    const cuiCellPos at = Current();
    indCellCapsule owner;
    sheet_->PrepareCapsule(owner, at.row, at.col);
    owner.Editable = 1;
    CursorMoved();
    choice_ = new cuiFlector(this, main_.Context(), request, owner, main_.FontSize(),
                             [this](indCellCapsule* entry) { ChoiceAnswered(entry); });
    choice_->Popup(viewport()->mapToGlobal(CellRect(at.row, at.col).bottomLeft() + QPoint(0, 1)));
}

void cuiSheetPane::ChoiceAnswered(indCellCapsule* entry) {
    if (cells_ == nullptr) {
        return;
    }
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    if (entry == nullptr) {
        cells_->ClosePopup();
        viewport()->update();
        return;
    }
    ++busy_;
    const indCellResult result = cells_->Answer(*entry);
    --busy_;
    Follow(result);
}

void cuiSheetPane::Refresh(bool full) {
    if (sheet_ == nullptr) {
        return;
    }
    // A bank sheet may have a row more or less; the sizes come from the
    // W and H cells, which a row command may change.
    if (full || sheet_->Rows() != RowCount()) {
        Measure();
    }
    CursorMoved();
}
