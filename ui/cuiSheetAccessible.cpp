#include "cuiSheetAccessible.h"

#include <QPointer>

#include "cuiSheetPane.h"

namespace {

class SheetCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    SheetCell(cuiSheetPane* pane, int row, int col) : pane_(pane), row_(row), col_(col) {}

    bool isValid() const override {
        return pane_ != nullptr && row_ < pane_->RowCount() && col_ < pane_->ColumnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return pane_ != nullptr ? pane_->window()->windowHandle() : nullptr;
    }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(pane_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return {};
        }
        const cuiCellPainter::Answer answer = pane_->CellAnswer(row_, col_);
        if (t == QAccessible::Name) {
            return answer.text;
        }
        if (t == QAccessible::Description) {
            return answer.error     ? QStringLiteral("error")
                   : answer.warning ? QStringLiteral("warning")
                                    : QString();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect r = pane_->CellRect(row_, col_);
        return {pane_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        return pane_ != nullptr && (row_ < pane_->FixedRows() || col_ < pane_->FixedColumns())
                   ? (row_ < pane_->FixedRows() ? QAccessible::ColumnHeader
                                                : QAccessible::RowHeader)
                   : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool selectable = pane_->CellSelectable(row_, col_);
        s.selectable = selectable;
        s.focusable = selectable;
        s.readOnly = !selectable;
        s.selected = pane_->CellSelected(row_, col_);
        s.focused = pane_->hasFocus() && pane_->Current() == cuiCellPos{row_, col_};
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // --- QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && pane_->CellSelected(row_, col_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int r = 0; isValid() && r < pane_->FixedRows() && r != row_; ++r) {
            cells << Table()->cellAt(r, col_);
        }
        return cells;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int c = 0; isValid() && c < pane_->FixedColumns() && c != col_; ++c) {
            cells << Table()->cellAt(row_, c);
        }
        return cells;
    }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QAccessibleTableInterface* Table() const { return parent()->tableInterface(); }

    QPointer<cuiSheetPane> pane_;
    int row_;
    int col_;
};

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (auto* pane = dynamic_cast<cuiSheetPane*>(object)) {
        return new cuiSheetAccessible(pane);
    }
    return nullptr;
}

}  // namespace

cuiSheetAccessible::cuiSheetAccessible(cuiSheetPane* pane)
    : QAccessibleWidget(pane, QAccessible::Table) {}

cuiSheetAccessible::~cuiSheetAccessible() {
    Reset();
}

void cuiSheetAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

void cuiSheetAccessible::Reset() {
    for (const auto& [at, id] : cells_) {
        QAccessible::deleteAccessibleInterface(id);
    }
    cells_.clear();
}

cuiSheetPane* cuiSheetAccessible::Pane() const {
    return static_cast<cuiSheetPane*>(widget());
}

int cuiSheetAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* cuiSheetAccessible::child(int index) const {
    const int cols = columnCount();
    return index >= 0 && cols > 0 && index < childCount() ? cellAt(index / cols, index % cols)
                                                          : nullptr;
}

int cuiSheetAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell != nullptr ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* cuiSheetAccessible::childAt(int x, int y) const {
    const QPoint local = Pane()->viewport()->mapFromGlobal(QPoint(x, y));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (Pane()->CellRect(r, c).contains(local)) {
                return cellAt(r, c);
            }
        }
    }
    return nullptr;
}

QAccessibleInterface* cuiSheetAccessible::focusChild() const {
    const cuiCellPos at = Pane()->Current();
    return rowCount() > 0 ? cellAt(at.row, at.col) : nullptr;
}

void* cuiSheetAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* cuiSheetAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return nullptr;
    }
    const auto found = cells_.find({row, column});
    if (found != cells_.end()) {
        return QAccessible::accessibleInterface(found->second);
    }
    QAccessibleInterface* cell = new SheetCell(Pane(), row, column);
    cells_[{row, column}] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

int cuiSheetAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> cuiSheetAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (Pane()->CellSelected(r, c)) {
                cells << cellAt(r, c);
            }
        }
    }
    return cells;
}

QString cuiSheetAccessible::columnDescription(int column) const {
    QStringList parts;
    for (int r = 0; r < Pane()->FixedRows(); ++r) {
        parts << Pane()->CellAnswer(r, column).text;
    }
    return parts.join(QLatin1Char(' '));
}

QString cuiSheetAccessible::rowDescription(int row) const {
    QStringList parts;
    for (int c = 0; c < Pane()->FixedColumns(); ++c) {
        parts << Pane()->CellAnswer(row, c).text;
    }
    return parts.join(QLatin1Char(' '));
}

int cuiSheetAccessible::columnCount() const {
    return Pane()->ColumnCount();
}

int cuiSheetAccessible::rowCount() const {
    return Pane()->RowCount();
}
