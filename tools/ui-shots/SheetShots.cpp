#include "SheetShots.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "BankSheets.h"
#include "CellNames.h"
#include "ModelType.h"
#include "TForm1.h"
#include "TextPaste.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcTimerHost.h"
#include "cuiCellEditor.h"
#include "cuiFBitsR.h"
#include "cuiFlector.h"
#include "cuiQtMessageBox.h"
#include "cuiQtSettings.h"
#include "cuiQtTimerHost.h"
#include "cuiSheetPane.h"
#include "datCh.h"
#include "indEnviron.h"
#include "indMain.h"

namespace {

// Channels typed into bank 1 as a spreadsheet's rows: receive, transmit, ... .
constexpr char Channels[] =
    "146.52\t146.52\n146.54\t146.54\n146.56\t146.56\n147.0\t147.6\n147.12\t147.72\n";

// No question is shown in a picture: each box gets its safe answer.
class SilentBoxes : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string&, const std::string&, cmcMbButtons buttons,
                     cmcMbIcon) override {
        return SafeAnswer(buttons);
    }
};

bool Wait(const std::function<bool()>& ready) {
    return QTest::qWaitFor(ready, 5000);
}

// The picture of the window with every pop-up over it, from the screen.
bool GrabScreen(QWidget& window, const std::string& out) {
    QRect area = window.frameGeometry();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &window && w->isVisible() && (w->windowFlags() & Qt::Popup) == Qt::Popup) {
            area = area.united(w->frameGeometry());
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(QString::fromStdString(out));
}

// The bank sheet with the cursor on the item's cell of the first channel.
bool OnCell(TForm1& form, int item) {
    cuiSheetPane& pane = form.SheetPane();
    const auto at = form.Main().Sheet()->FindCell(CT_Mch, item, 0);
    return at && pane.SetCurrentCell(at->row, at->col);
}

}  // namespace

bool IsSheetShot(const std::string& name) {
    return name == "sheet-bank" || name == "sheet-settings" || name == "sheet-choice" ||
           name == "sheet-editor" || name == "sheet-flags";
}

int ShowSheetShot(const std::string& name, const std::string& out) {
    cuiQtSettings settings;
    cuiQtInstanceLock lock;
    indEnviron store(&settings, &lock, {1280, 800});
    store.SetModelType(ModelBiisPmr);
    cuiQtTimerHost timers;
    SetCurrentTimerHost(&timers);
    cmcEvMan events(&timers);
    SetEvMan(&events);
    SilentBoxes boxes;
    SetCurrentMessageBoxHost(&boxes);
    int status = 1;
    {
        auto form = std::make_unique<TForm1>(store, GTex());
        form->show();
        cuiSheetPane& pane = form->SheetPane();
        indMain& main = form->Main();
        bool ready = QTest::qWaitForWindowExposed(form.get());
        form->setGeometry(20, 20, 1200, 520);
        QTest::qWait(200);
        if (name == "sheet-settings") {
            main.SelectSheet("[St_Common]GI_Sheet_Common");
        } else {
            main.SelectSheet(BankSheets::Reference(ModelBiisPmr, 0));
            ready = ready && Wait([&] { return pane.RowCount() > 0; });
            ready = ready && OnCell(*form, CL_Mch_FreqR) &&
                    TextPaste::PasteTabText(*main.Sheet(), main.Context(), Channels).pasted;
            // A BIIS channel without selective call: its cell and bank show the error mark.
            datCh rec(&main.Document().WorkingImage());
            rec.Decode(ChannelKindOf(ModelBiisPmr), 2);
            rec.Set(datField::Biis, 1);
            rec.Set(datField::SelectiveCall, 0);
            rec.Encode();
            main.RestartRefresh();
            QTest::qWait(500);
            pane.Reload();
        }
        ready = ready && Wait([&] { return pane.RowCount() > 0; });
        pane.setFocus();
        if (ready && name == "sheet-choice") {
            ready = OnCell(*form, CL_Mch_RfPo);
            QTest::keyClick(&pane, Qt::Key_Return);
            ready = ready && Wait([&] { return pane.Choice() != nullptr; });
        } else if (ready && name == "sheet-editor") {
            // A name cell opens the radio-text pop-up; a frequency shows the in-place editor.
            ready = OnCell(*form, CL_Mch_FreqT);
            QTest::keyClick(&pane, '1');  // the first key opens the editor
            ready = ready && pane.Editor().IsOpen();
            QTest::keyClicks(&pane.Editor(), QStringLiteral("46.8"));
        } else if (ready && name == "sheet-flags") {
            ready = OnCell(*form, CL_Mch_Scan);
            // The cell near the left edge, so that the pop-up opens inside the window.
            const QRect cell = pane.CellRect(pane.Current().row, pane.Current().col);
            pane.horizontalScrollBar()->setValue(pane.horizontalScrollBar()->value() + cell.left() -
                                                 pane.CellRect(0, 2).left());
            QTest::keyClick(&pane, Qt::Key_Return);
            ready = ready && Wait([&] { return pane.FlagBits() != nullptr; });
        } else if (ready && name == "sheet-bank") {
            ready = OnCell(*form, CL_Mch_Sel);
        }
        QTest::qWait(300);
        if (!ready) {
            std::fprintf(stderr, "orvane-shots: %s: the sheet did not get ready\n", name.c_str());
        } else if (!GrabScreen(*form, out)) {
            std::fprintf(stderr, "orvane-shots: cannot write %s\n", out.c_str());
        } else {
            status = 0;
        }
        form->hide();
    }
    SetCurrentMessageBoxHost(nullptr);
    SetEvMan(nullptr);
    SetCurrentTimerHost(nullptr);
    return status;
}
