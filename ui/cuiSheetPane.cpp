#include "cuiSheetPane.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "indMain.h"

cuiSheetPane::cuiSheetPane(indMain& main, QWidget* parent) : QTableWidget(parent), main_(main) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setWordWrap(true);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (!loading_ && main_.Sheet() != nullptr && row >= 0 && col >= 0) {
            main_.MoveSheetCursor({row, col});
        }
    });
    const auto scrolled = [this] {
        if (!loading_) {
            main_.SetSheetScroll(columnAt(0), rowAt(0));
        }
    };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
}

void cuiSheetPane::Reload() {
    loading_ = true;
    clear();
    // The View menu's font size scales the window's (the overlay's) font.
    QFont scaled = parentWidget() != nullptr ? parentWidget()->font() : font();
    if (scaled.pixelSize() > 0) {
        scaled.setPixelSize(std::max(1, scaled.pixelSize() * main_.FontSize() / 100));
    } else {
        scaled.setPointSizeF(scaled.pointSizeF() * main_.FontSize() / 100.0);
    }
    setFont(scaled);
    cuiSheet* sheet = main_.Sheet();
    setRowCount(sheet != nullptr ? sheet->Rows() : 0);
    setColumnCount(sheet != nullptr ? sheet->Columns() : 0);
    if (sheet != nullptr) {
        const QBrush fixed = palette().button();
        for (int r = 0; r < sheet->Rows(); ++r) {
            for (int c = 0; c < sheet->Columns(); ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(main_.CellText(r, c)));
                if (r < sheet->FixedRows() || c < sheet->FixedCols()) {
                    item->setBackground(fixed);
                }
                setItem(r, c, item);
            }
        }
        resizeColumnsToContents();
        resizeRowsToContents();
        const cuiCellPos pos = sheet->Current();
        setCurrentCell(pos.row, pos.col);
        const std::optional<cuiSheetPlace> place = main_.History().Find(sheet->Reference());
        if (place && place->topRow >= 0 && place->leftCol >= 0 &&
            place->topRow < sheet->Rows() && place->leftCol < sheet->Columns()) {
            scrollToItem(item(place->topRow, place->leftCol), QAbstractItemView::PositionAtTop);
        }
    }
    loading_ = false;
}
