#pragma once
// The three places a print job's pages go, all through cuiSheetPrinter: a
// printer chosen in the printer dialog, a PDF file (written in memory, then
// put in place in one step, so that a failure leaves an existing file as it
// was), and the print preview, which collects the sheets and shows them at the end.

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "indPrintJob.h"

class QPrinter;
class QWidget;
class indDocumentContext;

namespace PrintTargets {

// A printer set up by the user; the document ends when the job does.
std::unique_ptr<cuiPrintTarget> MakePrinterTarget(std::unique_ptr<QPrinter> printer,
                                                  indDocumentContext& context);
// A PDF file of A4 pages at 1200 dpi.
std::unique_ptr<cuiPrintTarget> MakePdfFileTarget(const std::string& path,
                                                  indDocumentContext& context);
// The preview dialog over owner, shown when the document ends.
std::unique_ptr<cuiPrintTarget> MakePreviewTarget(QWidget* owner, indDocumentContext& context);

}  // namespace PrintTargets
