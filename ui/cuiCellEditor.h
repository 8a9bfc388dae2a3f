#pragma once
// The in-place editor of a sheet cell: a frameless line edit laid over the
// cell in the cell's font, 1024 characters at most. Enter commits; Up, Down,
// Page Up and Page Down commit and then move; Escape discards; losing the
// focus (a click elsewhere) commits. What a commit does is the owner's.

#include <QLineEdit>
#include <functional>

class cuiCellEditor : public QLineEdit {
  public:
    static constexpr int MaxLength = 1024;

    // How the edit ended: the key that ended it (Qt::Key_Return for Enter and
    // a lost focus), or Qt::Key_Escape for a discarded edit.
    using Finished = std::function<void(int key)>;

    cuiCellEditor(QWidget* parent, Finished finished);

    // Shows the editor over rect with the handler's text, caret and selection.
    void Open(const QRect& rect, const QFont& font, const QString& text, int caret, int selLength);
    bool IsOpen() const { return open_; }
    // Ends the edit as if by key (nothing when closed).
    void Finish(int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Finished finished_;
    bool open_ = false;
};
