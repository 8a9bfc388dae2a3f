#include "cuiSheetPrinter.h"

#include <QPagedPaintDevice>
#include <QPalette>
#include <memory>

#include "GridMeasure.h"
#include "OverlayStyle.h"
#include "PrintLayout.h"
#include "RadioFont.h"
#include "SheetFactory.h"
#include "cmcGTex.h"
#include "cuiCellPainter.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

constexpr int ScreenDpi = 96;  // the resolution the cells' margins and lines are given for

// Paper is white whatever the desktop's theme: system colours print light.
QPalette PaperPalette() {
    QPalette p;
    const QColor paper(Qt::white);
    const QColor face(0xF0, 0xF0, 0xF0);
    const QColor ink(Qt::black);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, paper);
        p.setColor(g, QPalette::Window, face);
        p.setColor(g, QPalette::Button, face);
        p.setColor(g, QPalette::Text, ink);
        p.setColor(g, QPalette::WindowText, ink);
        p.setColor(g, QPalette::ButtonText, ink);
        p.setColor(g, QPalette::Highlight, face);
        p.setColor(g, QPalette::HighlightedText, ink);
    }
    return p;
}

QRect Qr(const cuiPrintRect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

// The sheet of a reference in print mode with the font height (pixels).
std::unique_ptr<cuiSheet> BuildForPrint(indDocumentContext& context, const std::string& reference,
                                        int fontHeight) {
    cuiSheetEnv env;
    env.texts = &context.Texts();
    env.image = &context.Document().WorkingImage();
    env.modelType = context.Document().ModelType();
    env.printing = true;
    std::unique_ptr<cuiSheet> sheet = SheetFactory::CreateSheet(reference, env);
    sheet->SetReference(reference);
    sheet->SetFontHeight(-fontHeight);
    sheet->Build();
    return sheet;
}

// Columns with a "+" cell in a fixed row stay on the page of the column before.
std::vector<bool> JoinedColumns(cuiSheet& sheet) {
    std::vector<bool> joined(static_cast<size_t>(sheet.Columns()), false);
    for (int r = 0; r < sheet.FixedRows() && r < sheet.Rows(); ++r) {
        for (int c = 0; c < sheet.Columns(); ++c) {
            if ((sheet.Cell(r, c).layoutFlags & kLayoutJoined) != 0) {
                joined[static_cast<size_t>(c)] = true;
            }
        }
    }
    return joined;
}

}  // namespace

cuiSheetPrinter::cuiSheetPrinter(QPagedPaintDevice& device, indDocumentContext& context)
    : device_(device), context_(context), cells_(context.Handler()) {
    // Channel names print the image's own user characters, as the sheet shows them.
    cells_.SetUserGlyphs([this] { return RadioFont::ReadUserGlyphs(context_.WorkingImage()); });
}

cuiSheetPrinter::~cuiSheetPrinter() {
    End();
}

bool cuiSheetPrinter::StartPage() {
    if (pages_ == 0) {
        if (!painter_.begin(&device_)) {
            failed_ = true;
            return false;
        }
    } else if (!device_.newPage()) {
        failed_ = true;
        return false;
    }
    return true;
}

bool cuiSheetPrinter::End() {
    if (painter_.isActive()) {
        painter_.end();
    }
    return !failed_;
}

// A sheet built for printing and divided into groups.
struct cuiSheetPrinter::Layout {
    cuiPrintTexts texts;
    cuiPrintRect page;
    int fontHeight = 0;
    std::unique_ptr<cuiSheet> sheet;
    QFont frameFont;
    cuiFrame frame;
    cuiGridSizes sizes;
    std::vector<int> colGroups;
    std::vector<int> rowGroups;
};

cuiSheetPrinter::Layout cuiSheetPrinter::Prepare(const std::string& reference) {
    Layout l;
    l.texts = PrintLayout::ReadPrintTexts(context_.Texts());
    const int dpi = device_.logicalDpiY();
    l.page = PrintLayout::PageRect(device_.width(), device_.height(), dpi, l.texts.margins);
    l.fontHeight = PrintLayout::FontPixels(l.texts.fontPoints, dpi);
    l.sheet = BuildForPrint(context_, reference, l.fontHeight);
    l.frameFont = OverlayStyle::OverlayFont(l.sheet->Style().titleFont);
    l.frameFont.setPixelSize(std::max(1, PrintLayout::FontPixels(l.texts.framePoints, dpi)));
    l.frameFont.setBold(false);
    l.frameFont.setItalic(false);
    l.frameFont.setUnderline(false);
    l.frameFont.setStrikeOut(false);
    l.frame = PrintLayout::FrameLayout(l.page, l.frameFont.pixelSize());
    // Here, not at construction: a device's resolution may be set after the printer is made.
    cells_.SetDeviceScale(dpi / ScreenDpi);
    l.sizes = GridMeasure::MeasureGrid(cells_, *l.sheet);
    l.colGroups = PrintLayout::ColumnGroups(l.sizes.widths, l.sheet->FixedCols(),
                                            JoinedColumns(*l.sheet), l.frame.inner.Width());
    l.rowGroups =
        PrintLayout::RowGroups(l.sizes.heights, l.sheet->FixedRows(), l.frame.inner.Height());
    // A sheet of fixed columns or rows only still prints its fixed part.
    if (l.colGroups.empty()) {
        l.colGroups.push_back(0);
    }
    if (l.rowGroups.empty()) {
        l.rowGroups.push_back(0);
    }
    return l;
}

cuiSheetPrinter::Plan cuiSheetPrinter::PlanSheet(const std::string& reference) {
    Layout l = Prepare(reference);
    return {l.sheet->IsPrintable(), l.colGroups, l.rowGroups};
}

int cuiSheetPrinter::PrintSheet(const std::string& reference,
                                const std::function<bool()>& cancelled) {
    if (failed_) {
        return 0;
    }
    Layout l = Prepare(reference);
    std::unique_ptr<cuiSheet>& sheet = l.sheet;
    cuiGridSizes& sizes = l.sizes;
    const cuiPrintRect& inner = l.frame.inner;
    const cuiFrame& frame = l.frame;
    const cuiPrintRect& pageRect = l.page;
    const int fixedCols = sheet->FixedCols();
    const int fixedRows = sheet->FixedRows();
    int fontHeight = l.fontHeight;
    const QPalette palette = PaperPalette();
    int printed = 0;
    for (const cuiPrintPage& page :
         PrintLayout::PrintPages(l.colGroups, l.rowGroups, fixedCols, fixedRows)) {
        for (int shrink = 0;
             shrink < PrintLayout::MaxShrinks && sheet->IsPrintable() && !cancelled(); ++shrink) {
            const cuiPartSize part =
                PrintLayout::PartSize(sizes.widths, sizes.heights, fixedCols, fixedRows, page);
            if (PrintLayout::PartFits(part, inner)) {
                break;
            }
            fontHeight = PrintLayout::ShrunkFontHeight(fontHeight, part, inner);
            sheet = BuildForPrint(context_, reference, fontHeight);
            sizes = GridMeasure::MeasureGrid(cells_, *sheet);
        }
        if (!sheet->IsPrintable() || cancelled() || !StartPage()) {
            break;
        }
        // The frame.
        painter_.setFont(l.frameFont);
        painter_.setPen(Qt::black);
        painter_.setBackgroundMode(Qt::TransparentMode);
        const QRect top(pageRect.left, pageRect.top, pageRect.Width() - 1, frame.h * 2);
        painter_.drawText(top, Qt::AlignLeft | Qt::AlignTop, OverlayStyle::Qs(sheet->GetTitle()));
        painter_.drawText(top, Qt::AlignRight | Qt::AlignTop, OverlayStyle::Qs(l.texts.titleRev));
        painter_.fillRect(Qr(frame.topBar), Qt::black);
        painter_.drawText(QRect(pageRect.left, frame.footerTop, pageRect.Width() - 1, frame.h * 2),
                          Qt::AlignRight | Qt::AlignTop, OverlayStyle::Qs(l.texts.maker));
        painter_.fillRect(Qr(frame.bottomBar), Qt::black);
        // The page's part: fixed rows and columns, then the groups'.
        int y = inner.top;
        for (int r = 0; r < sheet->Rows(); ++r) {
            if (r >= fixedRows && (r < page.firstRow || r >= page.firstRow + page.rows)) {
                continue;
            }
            const int h = sizes.heights[static_cast<size_t>(r)];
            int x = inner.left;
            for (int c = 0; c < sheet->Columns(); ++c) {
                if (c >= fixedCols && (c < page.firstCol || c >= page.firstCol + page.cols)) {
                    continue;
                }
                const int w = sizes.widths[static_cast<size_t>(c)];
                cells_.Draw(painter_, palette, *sheet, r, c, QRect(x, y, w, h),
                            cuiCellPainter::Look::Plain);
                x += w;
            }
            y += h;
        }
        ++pages_;
        ++printed;
    }
    return printed;
}
