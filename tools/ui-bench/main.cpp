// Benchmark of the window program (figures, not a test): start-up to the main
// window shown with its first sheet, resident memory after start-up, and the
// time from a menu command to its window (About box, port dialog). Runs on the
// platform Qt is given (offscreen by default), with settings in a scratch home.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "CellNames.h"
#include "SheetBench.h"
#include "TForm1.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cuiQtMenu.h"
#include "cuiQtMessageBox.h"
#include "cuiQtSettings.h"
#include "cuiQtTimerHost.h"
#include "cuiSheetPane.h"
#include "indEnviron.h"

namespace {

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

QDialog* VisibleDialog() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QDialog*>(w); d != nullptr && d->isVisible()) {
            return d;
        }
    }
    return nullptr;
}

// Milliseconds from triggering the action until a dialog is visible; the dialog is then closed.
double CommandToWindow(QAction* action) {
    QElapsedTimer clock;
    double shown = -1;
    // A modal dialog runs its own loop: the check runs from inside it.
    std::function<void()> poll = [&] {
        if (QDialog* d = VisibleDialog()) {
            shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            d->reject();
            return;
        }
        QTimer::singleShot(0, poll);
    };
    clock.start();
    QTimer::singleShot(0, poll);
    action->trigger();
    if (!QTest::qWaitFor([&] { return shown >= 0; }, 5000)) {
        return -1;  // no window within 5 s
    }
    QTest::qWait(50);
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer startClock;
    startClock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    SetProgramPath(argv[0]);
    QApplication app(argc, argv);
    cuiQtSettings settings;
    cuiQtInstanceLock lock;
    indEnviron store(&settings, &lock, {1280, 800});
    cuiQtTimerHost timers;
    SetCurrentTimerHost(&timers);
    cmcEvMan events(&timers);
    SetEvMan(&events);
    cuiQtMessageBox boxes;
    SetCurrentMessageBoxHost(&boxes);
    {
        TForm1 form(store, GTex());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form) ||
            !QTest::qWaitFor([&] { return form.SheetPane().RowCount() > 0; }, 5000)) {
            std::fprintf(stderr, "ui-bench: the main window or its first sheet did not appear\n");
            return 1;
        }
        const double startMs = static_cast<double>(startClock.nsecsElapsed()) / 1e6;
        QTest::qWait(200);
        const long rssKb = ResidentKb();
        const double aboutMs = CommandToWindow(form.Menu().FindAction(CL_Help_About));
        const double portMs = CommandToWindow(form.Menu().FindAction(CL_Menu_Port_Usb));
        std::printf("start-up to main window with its first sheet: %.1f ms\n", startMs);
        std::printf("resident memory after start-up: %.1f MB\n",
                    static_cast<double>(rssKb) / 1024.0);
        std::printf("Help > About to About box shown: %.1f ms\n", aboutMs);
        std::printf("Port > Other port to port dialog shown: %.1f ms\n", portMs);
        if (!BenchSheets(form)) {
            return 1;
        }
        form.hide();
    }
    SetCurrentMessageBoxHost(nullptr);
    SetEvMan(nullptr);
    SetCurrentTimerHost(nullptr);
    return 0;
}
