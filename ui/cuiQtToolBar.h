#pragma once
// The tool bar built from an overlay tool-bar section: one button per cell, a
// separator for "-", a new row for "/". A click is Enter on the cell through
// the item handler; a refresh asks the handler whether each button is pressed
// and enabled.

#include <QIcon>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MenuLayout.h"

class QAction;
class QMainWindow;
class QToolBar;
class cmcGTex;
class indMain;

class cuiQtToolBar {
  public:
    using ImageList = std::function<QIcon(int index)>;

    cuiQtToolBar(QMainWindow& window, cmcGTex& texts, indMain& main, ImageList images);
    ~cuiQtToolBar();

    void Build(const std::string& section);
    // ToolBarStates.
    void Refresh();
    void SetVisible(bool visible);
    QAction* FindAction(int item, int index = 0) const;

  private:
    struct Button {
        QAction* action;
        cmcCellObj* cell;
    };
    QToolBar* NewRow();

    QMainWindow& window_;
    cmcGTex& texts_;
    indMain& main_;
    ImageList images_;
    std::unique_ptr<cmcToolBarLayout> layout_;
    std::vector<QToolBar*> rows_;
    std::vector<Button> buttons_;
};
