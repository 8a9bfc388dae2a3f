#pragma once
// The small modeless window shown while a print job runs: a caption, a line
// of text and a Cancel button (default and cancel button) that stops the
// printing of further pages. Texts from "GI_Sys_Printer_PrintingDialog".

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class cmcGTex;

class cuiPrintingDialog : public QDialog {
  public:
    cuiPrintingDialog(QWidget* mainWindow, cmcGTex& texts, std::function<void()> cancel);
    QPushButton& CancelButton() { return *button_; }

  protected:
    void reject() override;

  private:
    std::function<void()> cancel_;
    QLabel* label_ = nullptr;
    QPushButton* button_ = nullptr;
};
