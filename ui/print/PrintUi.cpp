#include "PrintUi.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "PrintTargets.h"
#include "cmcGTex.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace PrintUi {

bool HasOutput(cuiPrintOutput output) {
    if (output == cuiPrintOutput::Printer && !QPrinterInfo::availablePrinterNames().isEmpty()) {
        return true;
    }
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return pdf.isValid();
}

std::unique_ptr<cuiPrintTarget> Start(QWidget* owner, cuiPrintOutput output,
                                      indDocumentContext& context) {
    switch (output) {
        case cuiPrintOutput::Printer: {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setFullPage(true);
            printer->setCopyCount(1);
            QPrintDialog dialog(printer.get(), owner);
            if (dialog.exec() != QDialog::Accepted) {
                return nullptr;
            }
            return PrintTargets::MakePrinterTarget(std::move(printer), context);
        }
        case cuiPrintOutput::Preview:
            return PrintTargets::MakePreviewTarget(owner, context);
        case cuiPrintOutput::PdfFile: {
            // The dialog adds ".pdf" to a name without a suffix before it asks about
            // replacing a file, so no existing file is replaced unasked.
            cmcGTex& texts = context.Texts();
            QFileDialog dialog(owner,
                               QString::fromStdString(texts.GetText("GI_Sys_Printer_PdfFile", 0)),
                               QString::fromStdString(context.Document().LastDirectory()),
                               QString::fromStdString(texts.GetText("GI_Sys_Printer_PdfFile", 1)));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setDefaultSuffix(QStringLiteral("pdf"));
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
                return nullptr;
            }
            // Exactly the file the dialog confirmed.
            return PrintTargets::MakePdfFileTarget(dialog.selectedFiles().front().toStdString(),
                                                   context);
        }
    }
    return nullptr;
}

}  // namespace PrintUi
