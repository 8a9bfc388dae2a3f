#pragma once
// The EEPROM window's grid: the sheet's cells drawn from the item handler's
// answers, the fixed rows at the top while the body scrolls vertically, and
// a current cell that GoTo moves and scrolls into view.

#include <QAbstractScrollArea>
#include <memory>
#include <vector>

#include "cuiCellPainter.h"
#include "cuiSheet.h"

class cuiEeGrid : public QAbstractScrollArea {
  public:
    cuiEeGrid(std::unique_ptr<cuiSheet> sheet, indActiveCell& handler, QWidget* parent = nullptr);
    ~cuiEeGrid() override;

    cuiSheet& Sheet() { return *sheet_; }
    int SheetWidth() const { return colX_.back(); }
    int SheetHeight() const { return rowY_.back(); }
    // Makes the cell current and scrolls it into view (nothing outside the grid).
    void GoTo(int row, int col);
    cuiCellPos Current() const { return sheet_->Current(); }
    // The text the handler gives a cell now.
    QString CellText(int row, int col);
    int TopRow() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateScrollBar();

    std::unique_ptr<cuiSheet> sheet_;
    cuiCellPainter painter_;
    std::vector<int> colX_{0};
    std::vector<int> rowY_{0};
};
