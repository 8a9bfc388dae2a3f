#pragma once
// The text editor pop-up of a radio-text cell: a borderless window at the
// cell with a one-line memo holding the text in display form, a preview of
// the text in the radio font (two lines of 12, characters beyond the field
// olive), the character table and OK and Cancel. Every change of the memo
// repaints the preview. Enter, OK, the table's Enter, Accept() or losing the
// focus accept once; Escape, Cancel or Cancel() close without an answer.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "RadioFont.h"

class QLineEdit;
class QPushButton;
class cuiCharTable;
class cuiSheet;

class cuiTextEditor : public QWidget {
  public:
    // done gets the memo's text (display form, Latin-1), or nothing when cancelled.
    using Done = std::function<void(std::optional<std::string> text)>;
    struct Setup {
        std::string text;  // display form
        int caret = 0;
        int selLength = 0;
        int fieldLength = 12;
        QFont font;
        QString ok = QStringLiteral("OK");
        QString cancel = QStringLiteral("Cancel");
        RadioFont::UserGlyphs user{};
    };

    cuiTextEditor(QWidget* parent, const Setup& setup, std::unique_ptr<cuiSheet> table, Done done);
    ~cuiTextEditor() override;

    // Shows the window with its top left corner at a global point.
    void Popup(const QPoint& at);
    void Accept() { Finish(true); }
    void Cancel() { Finish(false); }

    QLineEdit& Memo() { return *memo_; }
    cuiCharTable& Table() { return *table_; }
    QWidget& Preview() { return *preview_; }
    QPushButton& OkButton() { return *ok_; }
    QPushButton& CancelButton() { return *cancel_; }
    // The memo's text as bytes, as the preview shows it.
    std::string PreviewBytes() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Insert(const std::string& displayText);
    void Finish(bool accept);

    QLineEdit* memo_ = nullptr;
    QWidget* preview_ = nullptr;
    cuiCharTable* table_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int fieldLength_;
    RadioFont::UserGlyphs user_;
    Done done_;
    bool finished_ = false;
};
