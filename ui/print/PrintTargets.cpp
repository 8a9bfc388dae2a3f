#include "PrintTargets.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "SafeFile.h"
#include "cmcGTex.h"
#include "cuiSheetPrinter.h"
#include "indDocumentContext.h"

namespace PrintTargets {

namespace {

constexpr int PdfDpi = 1200;

cuiPrintEnd Ending(bool painted, int pages) {
    if (!painted) {
        return cuiPrintEnd::WriteFailed;
    }
    return pages == 0 ? cuiPrintEnd::NothingPrinted : cuiPrintEnd::Done;
}

class PrinterTarget : public cuiPrintTarget {
  public:
    PrinterTarget(std::unique_ptr<QPrinter> printer, indDocumentContext& context)
        : printer_(std::move(printer)), pages_(*printer_, context) {}
    int PrintSheet(const std::string& reference, const std::function<bool()>& cancelled) override {
        return pages_.PrintSheet(reference, cancelled);
    }
    cuiPrintEnd EndDocument() override {
        const bool painted = pages_.End();
        return Ending(painted, pages_.Pages());
    }

  private:
    std::unique_ptr<QPrinter> printer_;
    cuiSheetPrinter pages_;
};

class PdfFileTarget : public cuiPrintTarget {
  public:
    PdfFileTarget(std::string path, indDocumentContext& context)
        : path_(std::move(path)), writer_(&buffer_), pages_(writer_, context) {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setResolution(PdfDpi);
        writer_.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer_.setCreator(QString::fromStdString(context.Texts().GetText("GI_Sys_AppTitle", 0)));
    }
    int PrintSheet(const std::string& reference, const std::function<bool()>& cancelled) override {
        return pages_.PrintSheet(reference, cancelled);
    }
    cuiPrintEnd EndDocument() override {
        const cuiPrintEnd end = Ending(pages_.End(), pages_.Pages());
        if (end != cuiPrintEnd::Done) {
            return end;
        }
        const QByteArray& bytes = buffer_.data();
        return SafeFile::WriteFileReplacing(path_, std::string(bytes.constData(), bytes.size())) ==
                       cmcSafeFileResult::Ok
                   ? cuiPrintEnd::Done
                   : cuiPrintEnd::WriteFailed;
    }

  private:
    std::string path_;
    QBuffer buffer_;
    QPdfWriter writer_;
    cuiSheetPrinter pages_;
};

class PreviewTarget : public cuiPrintTarget {
  public:
    PreviewTarget(QWidget* owner, indDocumentContext& context) : owner_(owner), context_(context) {}
    int PrintSheet(const std::string& reference, const std::function<bool()>&) override {
        references_.push_back(reference);
        return 0;
    }
    cuiPrintEnd EndDocument() override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPrintPreviewDialog dialog(&printer, owner_);
        int pages = 0;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [this, &pages](QPrinter* device) {
                             cuiSheetPrinter sheets(*device, context_);
                             for (const std::string& reference : references_) {
                                 sheets.PrintSheet(reference, [] { return false; });
                             }
                             sheets.End();
                             pages = sheets.Pages();
                         });
        dialog.exec();
        return pages == 0 ? cuiPrintEnd::NothingPrinted : cuiPrintEnd::Done;
    }

  private:
    QPointer<QWidget> owner_;
    indDocumentContext& context_;
    std::vector<std::string> references_;
};

}  // namespace

std::unique_ptr<cuiPrintTarget> MakePrinterTarget(std::unique_ptr<QPrinter> printer,
                                                  indDocumentContext& context) {
    return std::make_unique<PrinterTarget>(std::move(printer), context);
}

std::unique_ptr<cuiPrintTarget> MakePdfFileTarget(const std::string& path,
                                                  indDocumentContext& context) {
    return std::make_unique<PdfFileTarget>(path, context);
}

std::unique_ptr<cuiPrintTarget> MakePreviewTarget(QWidget* owner, indDocumentContext& context) {
    return std::make_unique<PreviewTarget>(owner, context);
}

}  // namespace PrintTargets
