#pragma once
// Prints sheets onto a paged device (a printer or a PDF writer): each sheet
// is built a second time in print mode with the overlay's printing font,
// divided into column groups and row groups, shrunk (at most three times a
// page) when a page's part does not fit, and every page drawn inside the
// frame: the sheet's heading and the program title over a bar, the maker's
// line under a bar. The first page of the document has no page break before it.

#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "cuiCellPainter.h"

class QPagedPaintDevice;
class indDocumentContext;

class cuiSheetPrinter {
  public:
    cuiSheetPrinter(QPagedPaintDevice& device, indDocumentContext& context);
    ~cuiSheetPrinter();

    // The pages printed of the sheet; cancelled is asked before every page.
    int PrintSheet(const std::string& reference, const std::function<bool()>& cancelled);
    // Ends the document; false when the device could not be painted on.
    bool End();
    int Pages() const { return pages_; }

    // How a sheet divides before any page is printed: the column and row
    // groups (a page each pair), none when it cannot be printed.
    struct Plan {
        bool printable = false;
        std::vector<int> colGroups;
        std::vector<int> rowGroups;
        int PageCount() const {
            return printable ? static_cast<int>(colGroups.size() * rowGroups.size()) : 0;
        }
    };
    Plan PlanSheet(const std::string& reference);

  private:
    struct Layout;
    Layout Prepare(const std::string& reference);
    bool StartPage();

    QPagedPaintDevice& device_;
    indDocumentContext& context_;
    QPainter painter_;
    cuiCellPainter cells_;
    int pages_ = 0;
    bool failed_ = false;
};
