#pragma once
// The window program's part of a print command: whether an output can be
// chosen, its set-up dialog (printer dialog, file dialog for a PDF file, none
// for the preview) and the started print target.

#include <memory>

#include "indPrintJob.h"

class QWidget;
class indDocumentContext;

namespace PrintUi {

// A printer is listed, or PDF output (the printer dialog's file target, the
// PDF file, the preview) can be produced.
bool HasOutput(cuiPrintOutput output);
// nullptr when the user cancelled the dialog.
std::unique_ptr<cuiPrintTarget> Start(QWidget* owner, cuiPrintOutput output,
                                      indDocumentContext& context);

}  // namespace PrintUi
