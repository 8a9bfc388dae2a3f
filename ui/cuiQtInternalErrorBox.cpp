#include "cuiQtInternalErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void cuiQtInternalErrorBox::Show(const std::string& caption, const std::string& text) {
    QMessageBox::critical(QApplication::activeWindow(), QString::fromStdString(caption),
                          QString::fromStdString(text));
}
