#pragma once
// The choice pop-up: the cell's choice list ("GI_Sheet_Sel_...") as a small
// pop-up sheet under the cell, the current value marked, the cursor wrapping
// at the edges and following the mouse. Enter or a click answers with the
// entry under the cursor; Escape or losing the focus cancels. Entries that
// cannot be chosen are not selectable cells, so the cursor never lands on them.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "cuiCellPainter.h"
#include "cuiSheet.h"

class cuiGridCursor;
class indDocumentContext;
struct indPopupRequest;

class cuiFlector : public QWidget {
  public:
    // chosen gets the entry's capsule (valid during the call), or nullptr
    // when the pop-up was cancelled.
    using Answered = std::function<void(indCellCapsule* entry)>;

    // Builds the list of the request; owner: the capsule of the cell that opened it.
    cuiFlector(QWidget* parent, indDocumentContext& context, const indPopupRequest& request,
               const indCellCapsule& owner, int fontPercent, Answered answered);
    ~cuiFlector() override;

    // Shows the pop-up with its top left corner at a global point.
    void Popup(const QPoint& at);
    cuiSheet& Sheet() { return *sheet_; }
    cuiCellPos Current() const { return sheet_->Current(); }
    QRect CellRect(int row, int col) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::optional<cuiCellPos> CellAt(const QPoint& point) const;
    // Answers once: with the current entry, or nullptr to cancel.
    void Finish(bool choose);

    std::unique_ptr<cuiSheet> sheet_;
    std::unique_ptr<cuiGridCursor> cursor_;
    cuiCellPainter painter_;
    Answered answered_;
    std::vector<int> colX_{0};
    std::vector<int> rowY_{0};
    bool finished_ = false;
};
