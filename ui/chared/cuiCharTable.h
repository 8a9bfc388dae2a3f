#pragma once
// The character table of the text editor pop-up: the overlay's sheet
// "GI_Sheet_Sel_Text", each cell showing its character (the cell text, in
// display form) in the radio font. Arrows move the cursor; Space or a click
// picks the cell's character; a printable key is typed; Backspace and Escape
// hand the focus back; Enter accepts. What each of these does is the owner's.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "RadioFont.h"
#include "cuiSheet.h"

class cuiCharTable : public QWidget {
  public:
    enum class Action { Pick, Type, ReturnFocus, Accept };
    // Pick: text is the cell's character; Type: the key's character.
    using Acted = std::function<void(Action action, const std::string& text)>;

    cuiCharTable(std::unique_ptr<cuiSheet> sheet, int cellHeight, QWidget* parent, Acted acted);
    ~cuiCharTable() override;

    void SetUserGlyphs(const RadioFont::UserGlyphs& user) {
        user_ = user;
        update();
    }
    // The current cell and its character in display form.
    cuiCellPos Current() const { return current_; }
    std::string CurrentText() const;
    QRect CellRect(int row, int col) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool MoveTo(int row, int col);

    std::unique_ptr<cuiSheet> sheet_;
    int cellW_;
    int cellH_;
    cuiCellPos current_{0, 0};
    RadioFont::UserGlyphs user_{};
    Acted acted_;
};
