#pragma once
// The sheet grid for screen readers: a table whose cells tell their text,
// their row and column headings (the fixed columns and rows), and their state
// (current, selected, read-only, error or warning mark). The pane announces
// the cell the cursor moves to and a cell whose text an action changed.

#include <QAccessibleWidget>
#include <map>
#include <utility>

class cuiSheetPane;

class cuiSheetAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit cuiSheetAccessible(cuiSheetPane* pane);
    ~cuiSheetAccessible() override;

    // Installs the factory that gives every sheet pane this interface.
    static void Install();
    // The sheet was replaced: every cell interface made so far is dropped.
    void Reset();

    // --- QAccessibleInterface
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // --- QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    cuiSheetPane* Pane() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};
