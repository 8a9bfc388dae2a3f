#pragma once
// A read-only picture of a sheet: every cell with the text the item handler
// gives it, in the cell's colours, font and alignment, columns as wide and rows
// as high as their texts. The information window shows its sheet with it.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "cuiSheet.h"

class indActiveCell;

class uiSheetView : public QWidget {
    Q_OBJECT
  public:
    // Owns the sheet; the handler is the document's and outlives the view.
    uiSheetView(std::unique_ptr<cuiSheet> sheet, indActiveCell& handler, QWidget* parent = nullptr);
    ~uiSheetView() override;

    // Asks the handler for every cell's text again and lays the grid out.
    void Refresh();
    QString CellText(int row, int col) const;
    const cuiSheet& Sheet() const { return *sheet_; }

    QSize sizeHint() const override { return total_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Shown {
        QString text;
        uint32_t textColor = 0;
    };
    const Shown& At(int row, int col) const;

    std::unique_ptr<cuiSheet> sheet_;
    indActiveCell& handler_;
    std::vector<Shown> shown_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
    QSize total_;
};
