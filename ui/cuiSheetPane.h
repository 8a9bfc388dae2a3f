#pragma once
// The open sheet in the main window: an owner-drawn grid whose fixed rows and
// columns stay put while the rest scrolls, each visible cell drawn from the
// item handler's answer through one reused capsule, in the cell's font scaled
// by the View menu's font size. Keys move the cursor (cuiGridCursor) or go to
// the cell (indCellSession), which may open the in-place editor; the cursor
// and scroll position go back to the main object for the history. The pane
// decides nothing itself: every edit goes through the cell session.

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <vector>

#include "cuiCEdit.h"
#include "cuiCellPainter.h"
#include "cuiFBitsR.h"
#include "cuiFlector.h"
#include "cuiSheet.h"
#include "cuiTextEditor.h"
#include "indCellCapsule.h"
#include "indCellSession.h"

class QLabel;
class QTimer;
class cuiCellEditor;
struct cmcEvent;
class cuiFlector;
class cuiGridCursor;
class indMain;

class cuiSheetPane : public QAbstractScrollArea {
  public:
    cuiSheetPane(indMain& main, QWidget* parent = nullptr);
    ~cuiSheetPane() override;

    // Shows the main object's open sheet (none: an empty pane).
    void Reload();

    int RowCount() const { return static_cast<int>(rowY_.size()) - 1; }
    int ColumnCount() const { return static_cast<int>(colX_.size()) - 1; }
    cuiCellPos Current() const;
    int FixedRows() const { return sheet_ != nullptr ? sheet_->FixedRows() : 0; }
    int FixedColumns() const { return sheet_ != nullptr ? sheet_->FixedCols() : 0; }
    // What the handler shows in a cell, and the cell's state.
    cuiCellPainter::Answer CellAnswer(int row, int col);
    bool CellSelectable(int row, int col) const;
    // The font a cell is drawn in (scaled by the font size).
    QFont CellFont(int row, int col) const;
    bool CellSelected(int row, int col) const;
    // Puts the cursor on a cell as a click would (only a selectable cell).
    bool SetCurrentCell(int row, int col);
    // The cell's rectangle in viewport coordinates.
    QRect CellRect(int row, int col) const;
    cuiCellEditor& Editor() { return *editor_; }
    // The open flag-bit pop-up, or nullptr.
    cuiFBitsR* FlagBits() const { return flagBits_.data(); }
    // The cell's pop-up menu while it is open, or nullptr.
    QMenu* CellMenu() const { return menu_.data(); }
    // The open choice pop-up, or nullptr.
    cuiFlector* Choice() const { return choice_.data(); }
    // The sheet's title bar (hidden when the sheet has no title).
    QLabel& TitleBar() { return *title_; }
    // The open sheet's cell session, or nullptr.
    indCellSession* Cells() const { return cells_.get(); }
    // The outcome of the last action on a cell.
    const indCellResult& LastResult() const { return last_; }
    // Whether the system clipboard holds text another program put there
    // (not rows this program copied): Paste then types it into the cells.
    bool ClipboardHoldsForeignText() const;
    // Ctrl+V and Edit > Paste: rows this program copied go back through the
    // row command; other text is pasted as tab-separated cells in one action
    // (all or nothing; a refusal is shown in one message). False when nothing
    // was pasted.
    bool Paste();
    // The open text editor pop-up or dot editor, or nullptr.
    cuiTextEditor* TextEditor() const { return textEditor_.data(); }
    cuiCEdit* CharEditor() const { return charEditor_.data(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Column widths and row heights from the W and H cells, scroll bar ranges.
    void Measure();
    void UpdateScrollBars();
    int FixedWidth() const { return colX_[static_cast<size_t>(sheet_ ? sheet_->FixedCols() : 0)]; }
    int FixedHeight() const { return rowY_[static_cast<size_t>(sheet_ ? sheet_->FixedRows() : 0)]; }
    // The cell under a viewport point, or none.
    std::optional<cuiCellPos> CellAt(const QPoint& point) const;
    cuiCellPainter::Look LookOf(int row, int col) const;
    // Scrolls so that the current cell is in view; tells the main object.
    void CursorMoved(bool scrollFullyLeft = false, bool scrollFullyUp = false);
    void MoveCursor(int dx, int dy, bool extend);
    // A key for the current cell, and what its outcome asks of the window.
    void SendKey(int32_t key);
    void Follow(const indCellResult& result);
    void EditorFinished(int key);
    void OpenChoice(const indPopupRequest& request);
    // The current cell's pop-up menu at a point of the viewport; its entries
    // are the row commands, carried out through the cell session.
    void OpenCellMenu(const QPoint& at);
    // While a drag is held beyond an edge, the cursor steps that way on a
    // timer, extending the selection (bits: 1 left, 2 right, 4 up, 8 down).
    void DragScroll();
    // The selected rows (or the current one) as tab-separated lines of the
    // texts of their cells with an item.
    QString SelectedRowsText();
    // A row command of the cell's menu on the selected rows; Copy also puts
    // the rows on the system clipboard, marked as this program's.
    void RunRowCommand(int item);
    void ChoiceAnswered(indCellCapsule* entry);
    void OpenFlagBits(const indPopupRequest& request);
    // A radio-text cell's text editor pop-up or a user character's dot
    // editor; the answer is committed through the cell session.
    void OpenRadioEditor(const indCellResult& result);
    void RadioEditorDone(const std::optional<std::string>& text);
    // After an action: a sheet that changed its row count, or any sheet when
    // full, is measured again.
    void Refresh(bool full = false);
    void ShowTitle();
    // Events 13-18 repaint the visible cells; 29-31 (a bank sheet's title and
    // rows) measure the sheet again; 21 commits the editor.
    static void OnEvent(void* self, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    // Tells a screen reader that a cell got the focus or changed its text.
    void Announce(QAccessible::Event kind);

    indMain& main_;
    cuiSheet* sheet_ = nullptr;
    std::unique_ptr<cuiGridCursor> cursor_;
    std::unique_ptr<indCellSession> cells_;
    cuiCellEditor* editor_ = nullptr;
    QLabel* title_ = nullptr;
    QPointer<cuiFlector> choice_;
    QPointer<QMenu> menu_;
    QPointer<cuiFBitsR> flagBits_;
    QPointer<cuiTextEditor> textEditor_;
    QPointer<cuiCEdit> charEditor_;
    QTimer* dragTimer_ = nullptr;
    int dragDirection_ = 0;
    cuiCellPainter painter_;
    indCellResult last_;
    std::vector<int> colX_{0};  // left edge of each column, then the total width
    std::vector<int> rowY_{0};  // top edge of each row, then the total height
    int busy_ = 0;              // an action on a cell runs
    bool reloadPending_ = false;
    bool refreshQueued_ = false;
};
