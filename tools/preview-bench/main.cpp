// Benchmark (figures, not a test): one bank of 256 channels, each with a
// frequency and a 12-character name using a user character and Latin-1
// letters. Paints the rows of the bank sheet that fit a 800-pixel-high grid
// as the grid does (handler queries included), then the radio-font previews
// of the name cells alone, for those rows and for all 256, and prints the
// median of each over the runs. Runs offscreen.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "CellNames.h"
#include "FText.h"
#include "GridMeasure.h"
#include "RadioFont.h"
#include "cmcInternalErrorBox.h"
#include "cuiCellPainter.h"
#include "indSheetSession.h"

namespace {

constexpr int Runs = 15;
constexpr int Channels = 256;

bool Commit(indSheetSession& s, int item, int index, const std::string& text) {
    const std::optional<cuiCellPos> at = s.Sheet()->FindCell(item, index);
    if (!at) {
        return false;
    }
    s.Sheet()->SetCurrent(*at);
    return s.Cells()->Commit(text).outcome == indCellOutcome::Done;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetProgramPath(argv[0]);
    indSheetSession s;
    s.Document().ChangeModelType(ModelBiisPmr, false);
    bool ok = s.Document().NewFile() && s.ShowSheet("GI_Sheet_BankOp");
    for (int b = 1; b < 16 && ok; ++b) {
        ok = s.ShowSheet("GI_Sheet_BankOp") && Commit(s, CL_Mch_Bank, b, "0");
    }
    if (!ok || !s.ShowSheet("GI_Sheet_BankOp") ||
        !Commit(s, CL_Mch_Bank, 0, std::to_string(Channels))) {
        std::fprintf(stderr, "preview-bench: cannot make a bank of %d channels\n", Channels);
        return 1;
    }
    const std::string bank = "[St_ChBank]GI_Sheet_Mch_PmrB,Bank 0";
    if (!s.ShowSheet(bank)) {
        std::fprintf(stderr, "preview-bench: no sheet %s\n", bank.c_str());
        return 1;
    }
    int named = 0;
    for (int ch = 0; ch < Channels; ++ch) {
        char name[32];
        std::snprintf(name, sizeof name, "%%10Caf%%E9 %04d", ch);
        if (!s.ShowSheet(bank) || !Commit(s, CL_Mch_FreqR, ch, "446.00625") ||
            !Commit(s, CL_Mch_Text, ch, name)) {
            break;
        }
        ++named;
    }
    s.ShowSheet(bank);
    cuiSheet& sheet = *s.Sheet();
    cuiCellPainter painter(s.Handler());
    painter.SetUserGlyphs([&s] { return RadioFont::ReadUserGlyphs(s.Document().WorkingImage()); });

    // Column widths and row heights as the grid measures them.
    const cuiGridSizes sizes = GridMeasure::MeasureGrid(painter, sheet);
    std::vector<int> colX{0}, rowY{0};
    for (const int w : sizes.widths) {
        colX.push_back(colX.back() + w);
    }
    for (const int h : sizes.heights) {
        rowY.push_back(rowY.back() + h);
    }
    const int rowHeight = sizes.heights.back();
    constexpr int GridHeight = 800;
    const int visibleRows = std::min(sheet.Rows(), GridHeight / rowHeight);
    QImage canvas(colX.back(), GridHeight, QImage::Format_ARGB32_Premultiplied);
    const QPalette palette = QApplication::palette();
    const RadioFont::UserGlyphs user = RadioFont::ReadUserGlyphs(s.Document().WorkingImage());
    struct Name {
        QRect box;
        std::string text;
    };
    std::vector<Name> names;
    for (int r = 0; r < sheet.Rows(); ++r) {
        for (int c = 0; c < sheet.Columns(); ++c) {
            if (sheet.Cell(r, c).item == CL_Mch_Text) {
                names.push_back({QRect(colX[c], (r % visibleRows) * rowHeight,
                                       colX[c + 1] - colX[c], rowHeight),
                                 painter.Query(sheet, r, c).text.toStdString()});
            }
        }
    }
    std::vector<double> visible, visiblePreviews, allPreviews;
    for (int run = 0; run < Runs; ++run) {
        QPainter p(&canvas);
        QElapsedTimer clock;
        clock.start();
        for (int r = 0; r < visibleRows; ++r) {
            for (int c = 0; c < sheet.Columns(); ++c) {
                const QRect box(colX[c], rowY[r], colX[c + 1] - colX[c], rowHeight);
                painter.Draw(p, palette, sheet, r, c, box, cuiCellPainter::Look::Plain);
            }
        }
        visible.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        const auto previews = [&](size_t count) {
            clock.restart();
            for (size_t i = 0; i < count; ++i) {
                FText::DrawCell(p, names[i].box, names[i].text, {12, false}, user, Qt::black);
            }
            return static_cast<double>(clock.nsecsElapsed()) / 1e6;
        };
        visiblePreviews.push_back(
            previews(std::min(names.size(), static_cast<size_t>(visibleRows))));
        allPreviews.push_back(previews(names.size()));
    }
    std::printf("bank sheet: %d rows, %d named channels, %d rows fit %d px\n", sheet.Rows(), named,
                visibleRows, GridHeight);
    std::printf("paint of the rows in view: median %.2f ms over %d runs\n", Median(visible), Runs);
    std::printf("name previews of the rows in view: median %.2f ms\n", Median(visiblePreviews));
    std::printf("name previews of all %zu names: median %.2f ms\n", names.size(),
                Median(allPreviews));
    return named == Channels ? 0 : 1;
}
