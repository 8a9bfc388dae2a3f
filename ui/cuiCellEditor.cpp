#include "cuiCellEditor.h"

#include <QKeyEvent>
#include <algorithm>

cuiCellEditor::cuiCellEditor(QWidget* parent, Finished finished)
    : QLineEdit(parent), finished_(std::move(finished)) {
    setFrame(false);
    setMaxLength(MaxLength);
    setAccessibleName(QStringLiteral("Cell editor"));
    setAccessibleDescription(QStringLiteral("Enter keeps the text, Escape discards it"));
    hide();
}

void cuiCellEditor::Open(const QRect& rect, const QFont& font, const QString& text, int caret,
                         int selLength) {
    setFont(font);
    setGeometry(rect);
    setText(text);
    const int start = std::clamp(caret, 0, static_cast<int>(this->text().size()));
    if (selLength > 0) {
        setSelection(start, selLength);
    } else {
        setCursorPosition(start);
    }
    open_ = true;
    show();
    setFocus(Qt::OtherFocusReason);
}

void cuiCellEditor::Finish(int key) {
    if (!open_) {
        return;
    }
    open_ = false;  // before the owner acts: a focus change it causes must not end it again
    hide();
    finished_(key);
}

void cuiCellEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Finish(Qt::Key_Return);
            return;
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            Finish(event->key());
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void cuiCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up of the line edit itself (its context menu) keeps the edit open.
    if (event->reason() != Qt::PopupFocusReason) {
        Finish(Qt::Key_Return);
    }
}
