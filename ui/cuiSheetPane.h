#pragma once
// The open sheet in the main window, read-only: every cell with the text the
// item handler gives it, the fixed rows and columns shaded as headers, in the
// window's font scaled by the View menu's font size. The
// cursor and the scroll position go back to the main object for the history.

#include <QTableWidget>

class indMain;

class cuiSheetPane : public QTableWidget {
  public:
    cuiSheetPane(indMain& main, QWidget* parent = nullptr);
    // Shows the main object's open sheet (none: an empty pane).
    void Reload();

  private:
    indMain& main_;
    bool loading_ = false;
};
