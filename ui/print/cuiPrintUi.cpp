#include "cuiPrintUi.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "cmcGTex.h"
#include "cuiPrintTargets.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace cuiPrintUi {

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
            return MakePrinterTarget(std::move(printer), context);
        }
        case cuiPrintOutput::Preview:
            return MakePreviewTarget(owner, context);
        case cuiPrintOutput::PdfFile: {
            cmcGTex& texts = context.Texts();
            QString path = QFileDialog::getSaveFileName(
                owner, QString::fromStdString(texts.GetText("GI_Sys_Printer_PdfFile", 0)),
                QString::fromStdString(context.Document().LastDirectory()),
                QString::fromStdString(texts.GetText("GI_Sys_Printer_PdfFile", 1)));
            if (path.isEmpty()) {
                return nullptr;
            }
            if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
                path += QLatin1String(".pdf");
            }
            return MakePdfFileTarget(path.toStdString(), context);
        }
    }
    return nullptr;
}

}  // namespace cuiPrintUi
