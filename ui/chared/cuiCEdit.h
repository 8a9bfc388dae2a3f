#pragma once
// The dot editor of a user character: the 8 x 20 dots magnified on the left,
// on the right the tool bar "GI_ToolBar_CEdit" (pen, rectangle, shift, clear),
// the character at 4 x 4 pixels a dot and OK and Cancel. The left button adds
// and the right button erases; the editing itself is cuiCEditDots. The main
// window takes no input while the editor is open (application modal). OK
// answers with the 160-character dot text, Cancel with nothing.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "cuiCEditDots.h"

class QAction;
class QPushButton;
class cmcGTex;

class cuiCEdit : public QDialog {
  public:
    using Done = std::function<void(std::optional<std::string> dots)>;

    // dots: the character's 160-character dot text; fontPercent scales the grid.
    cuiCEdit(QWidget* parent, cmcGTex& texts, const std::string& dots, int fontPercent, Done done);
    ~cuiCEdit() override;

    const cuiCEditDots& Dots() const { return dots_; }
    // The grid's pixel size of a dot and a dot's top left corner in the grid widget.
    int DotSize() const { return dotSize_; }
    QWidget& Grid() { return *grid_; }
    QPoint DotCorner(int x, int y) const;
    // The tool bar button of a tag (10 pen, 11 rectangle, 12 shift, 0 clear).
    QAction* ToolButton(int tag) const;
    QPushButton& OkButton() { return *ok_; }
    QPushButton& CancelButton() { return *cancel_; }

  protected:
    void done(int result) override;

  private:
    friend class cuiCEditGrid;
    void BuildToolBar(cmcGTex& texts, QWidget* panel);
    void ToolClicked(int tag);
    void RepaintChanged();

    cmcGTex& texts_;
    cuiCEditDots dots_;
    int dotSize_;
    QWidget* grid_ = nullptr;
    QWidget* preview_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<std::pair<int, QAction*>> tools_;
    Done answer_;
};
