#include "cuiPrintingDialog.h"

#include <QLabel>
#include <QPushButton>

#include "cmcGTex.h"

cuiPrintingDialog::cuiPrintingDialog(QWidget* mainWindow, cmcGTex& texts,
                                     std::function<void()> cancel)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      cancel_(std::move(cancel)) {
    setWindowTitle(QString::fromStdString(texts.GetText("GI_Sys_Printer_PrintingDialog", 0)));
    label_ =
        new QLabel(QString::fromStdString(texts.GetText("GI_Sys_Printer_PrintingDialog", 1)), this);
    button_ = new QPushButton(
        QString::fromStdString(texts.GetText("GI_Sys_Printer_PrintingDialog", 2)), this);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, [this] { reject(); });
    // Label and button sizes decide the window: twice the label wide, three
    // times label and button high; the button 1.2 label widths wide.
    const QSize label = label_->sizeHint();
    const QSize button(label.width() * 6 / 5, button_->sizeHint().height());
    const QSize client(2 * label.width(), 3 * (label.height() + button.height()));
    label_->setGeometry((client.width() - label.width()) / 2, 2 * label.height(), label.width(),
                        label.height());
    button_->setGeometry((client.width() - button.width()) / 2,
                         client.height() - button.height() * 3 / 2, button.width(),
                         button.height());
    setFixedSize(client);
    if (mainWindow != nullptr) {
        move(mainWindow->geometry().center() - rect().center());
    }
}

void cuiPrintingDialog::reject() {
    if (cancel_) {
        cancel_();
    }
    button_->setEnabled(false);
}
