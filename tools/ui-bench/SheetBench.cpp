#include "SheetBench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BankSheets.h"
#include "CellNames.h"
#include "ChBanks.h"
#include "ChShift.h"
#include "EventIds.h"
#include "ModelType.h"
#include "TForm1.h"
#include "cmcEvMan.h"
#include "cuiCellEditor.h"
#include "cuiSheetPane.h"
#include "datCh.h"
#include "indMain.h"

namespace {

constexpr int Channels = 256;
constexpr int Runs = 10;

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures Summary(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms.empty() ? 0 : ms[ms.size() / 2], ms.empty() ? 0 : ms.back()};
}

double Since(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Every channel in bank 1, each in use on its own frequency.
void FillFirstBank(indMain& main) {
    indDocument& doc = main.Document();
    cmcEeprom& image = doc.WorkingImage();
    const uint8_t kind = ChannelKindOf(doc.ModelType());
    for (int bank = 0; bank < 16; ++bank) {
        ResizeBank(image, doc.TemplateImage(), kind, bank, 0);
    }
    ResizeBank(image, doc.TemplateImage(), kind, 0, Channels);
    for (int ch = 0; ch < Channels; ++ch) {
        datCh rec(&image);
        rec.Decode(kind, ch);
        rec.SetUsed(true);
        rec.SetRxFreq(146000000 + ch * 12500);
        rec.Encode();
    }
    doc.CheckModified();
    EvMan().Send(EventIds::ImageReplaced, nullptr, 0);
}

bool Fail(const char* why) {
    std::fprintf(stderr, "ui-bench: %s\n", why);
    return false;
}

bool Open(TForm1& form, const std::string& reference) {
    form.Main().SelectSheet(reference);
    return form.Main().Sheet() != nullptr && form.SheetPane().RowCount() > 0;
}

}  // namespace

bool BenchSheets(TForm1& form) {
    indMain& main = form.Main();
    cuiSheetPane& pane = form.SheetPane();
    for (int model : {ModelLmr, ModelPmr, ModelBiisPmr}) {
        main.Document().ClearModified();  // no question about the last model's channels
        main.Document().ChangeModelType(model, false);
        main.Document().NewFile();
        FillFirstBank(main);
        QTest::qWait(50);
        const std::string bank = BankSheets::Reference(model, 0);
        const std::string other = BankSheets::Reference(model, 1);

        // The bank sheet opened (built and measured) and painted.
        std::vector<double> build;
        for (int i = 0; i < Runs; ++i) {
            if (!Open(form, other)) {
                return Fail("a bank sheet did not open");
            }
            QElapsedTimer clock;
            clock.start();
            if (!Open(form, bank)) {
                return Fail("a bank sheet did not open");
            }
            pane.viewport()->repaint();
            build.push_back(Since(clock));
        }

        // Enter on a typed frequency to the repaint of the changed cells.
        pane.setFocus();
        std::vector<double> enter;
        const auto first = main.Sheet()->FindCell(CT_Mch, CL_Mch_FreqR, 0);
        if (!first) {
            return Fail("the bank sheet has no frequency cell");
        }
        for (int i = 0; i < Runs; ++i) {
            pane.SetCurrentCell(first->row + i, first->col);
            QTest::keyClicks(&pane, QStringLiteral("147.") + QString::number(100 + i * 5));
            if (!pane.Editor().IsOpen()) {
                return Fail("typing into a frequency cell did not open the editor");
            }
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(&pane.Editor(), Qt::Key_Return);
            pane.viewport()->repaint();
            enter.push_back(Since(clock));
        }

        // Page Down through the whole sheet, one repaint per page.
        std::vector<double> page;
        pane.SetCurrentCell(first->row, first->col);
        for (int i = 0; i < Channels / 10 + 1; ++i) {
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(&pane, Qt::Key_PageDown);
            pane.viewport()->repaint();
            page.push_back(Since(clock));
        }

        const Figures b = Summary(build), e = Summary(enter), p = Summary(page);
        const char* name = model == ModelLmr ? "Lmr" : model == ModelPmr ? "Pmr" : "BiisPmr";
        std::printf("%s, 256-channel bank sheet built and painted: median %.1f ms, worst %.1f ms\n",
                    name, b.median, b.worst);
        std::printf("%s, typed frequency Enter to repaint: median %.2f ms, worst %.2f ms\n", name,
                    e.median, e.worst);
        std::printf("%s, Page Down and repaint per frame: median %.2f ms, worst %.2f ms\n", name,
                    p.median, p.worst);
    }
    return true;
}
