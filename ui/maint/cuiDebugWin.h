#pragma once
// The free debug window (maker mode): a memo that appends the text of every
// DebugText event as a new line. Closing it hides it; it goes with its owner.

#include <QWidget>
#include <string>
#include <vector>

class QDialog;
class QPlainTextEdit;
class QRect;
struct cmcEvent;

class cuiDebugWin : public QWidget {
  public:
    static constexpr int MinHeight = 100;

    explicit cuiDebugWin(QWidget* owner);
    ~cuiDebugWin() override;
    QPlainTextEdit& Memo() { return *memo_; }

  private:
    static void OnEvent(void* self, const cmcEvent& event);

    QPlainTextEdit* memo_ = nullptr;
};

// The compare window (maker mode): the lines of a compare in a read-only memo
// with a Close button (default and cancel button), placed over area (the
// tree pane, in screen coordinates). The caller shows it modally.
QDialog* MakeCompareWindow(QWidget* owner, const QRect& area,
                           const std::vector<std::string>& lines);
