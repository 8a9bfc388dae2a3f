#include "cuiQtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(cmcMbIcon icon) {
    switch (icon) {
        case cmcMbIcon::Information:
            return QMessageBox::Information;
        case cmcMbIcon::Warning:
            return QMessageBox::Warning;
        case cmcMbIcon::Stop:
            return QMessageBox::Critical;
        case cmcMbIcon::Question:
            return QMessageBox::Question;
        case cmcMbIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(cmcMbButtons buttons) {
    switch (buttons) {
        case cmcMbButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case cmcMbButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case cmcMbButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case cmcMbButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

cmcMbResult ResultOf(int button, cmcMbButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return cmcMbResult::Ok;
        case QMessageBox::Yes:
            return cmcMbResult::Yes;
        case QMessageBox::No:
            return cmcMbResult::No;
        case QMessageBox::Cancel:
            return cmcMbResult::Cancel;
        default:
            return SafeAnswer(buttons);  // closed without a button
    }
}

}  // namespace

cmcMbResult cuiQtMessageBox::Show(const std::string& caption, const std::string& text,
                                  cmcMbButtons buttons, cmcMbIcon icon) {
    QMessageBox box(IconOf(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ButtonsOf(buttons), QApplication::activeWindow());
    return ResultOf(box.exec(), buttons);
}
