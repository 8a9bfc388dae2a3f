// The main window's printing and maintenance windows: each hook hands over
// to the print and maintenance classes, which act through the main object.

#include <QTreeWidget>

#include "PrintUi.h"
#include "TForm1.h"
#include "cuiDebugWin.h"
#include "cuiEeDebugWin.h"
#include "cuiPrintingDialog.h"

bool TForm1::HasPrintOutput(cuiPrintOutput output) {
    return PrintUi::HasOutput(output);
}

std::unique_ptr<cuiPrintTarget> TForm1::StartPrint(cuiPrintOutput output) {
    return PrintUi::Start(this, output, main_->Context());
}

void TForm1::ShowPrinting(bool shown) {
    delete printing_;
    printing_ = nullptr;
    if (shown) {
        auto* dialog = new cuiPrintingDialog(this, texts_, [this] { main_->CancelPrint(); });
        dialog->setEnabled(true);  // usable over the disabled main window
        dialog->show();
        printing_ = dialog;
    }
}

void TForm1::ShowDebugWindow() {
    (new cuiDebugWin(this))->show();
}

void TForm1::ShowEepromWindow() {
    (new cuiEeDebugWin(this, main_->Context()))->show();
}

void TForm1::ShowCompareWindow(const std::vector<std::string>& lines) {
    const QRect area(tree_->mapToGlobal(QPoint(0, 0)), tree_->size());
    MakeCompareWindow(this, area, lines)->exec();
}
