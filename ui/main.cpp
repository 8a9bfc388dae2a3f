// The window program: the settings and the single-instance lock first, then
// the text table, the event manager and the main window on the Qt event loop.
// A second copy ends at once with status 0, showing and writing nothing.

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <string>
#include <vector>

#include "PdfExport.h"
#include "TForm1.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcStopSignals.h"
#include "cuiQtInternalErrorBox.h"
#include "cuiQtMessageBox.h"
#include "cuiQtSettings.h"
#include "cuiQtTimerHost.h"
#include "indEnviron.h"

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    // An export prints without a window, so it needs no display.
    const bool exportPdf = PdfExport::Requested(argc, argv);
    if (exportPdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::vector<std::string> args(argv, argv + argc);
    if (exportPdf) {
        return PdfExport::Run(args);
    }

    cuiQtSettings settings;
    cuiQtInstanceLock lock;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    indEnviron store(&settings, &lock, {screen.width(), screen.height()});
    if (!store.IsFirstInstance()) {
        return 0;
    }
    SetEnviron(&store);

    const cmcStopSignals stopSignals;  // a first SIGTERM closes the window as File > Exit
    cuiQtTimerHost timers;
    SetCurrentTimerHost(&timers);
    cmcEvMan events(&timers);
    SetEvMan(&events);
    cuiQtMessageBox boxes;
    SetCurrentMessageBoxHost(&boxes);
    cuiQtInternalErrorBox errorBox;
    SetInternalErrorBox(&errorBox);
    QApplication::setApplicationName(QString::fromStdString(GTex().GetText("GI_Sys_AppTitle", 0)));
    // Desktops match the window to the installed orvane.desktop (its icon, its name).
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane"));

    int status = 0;
    {
        TForm1 form(store, GTex());
        form.show();
        QTimer::singleShot(0, &form, [&form, &args] { form.ScanArguments(args); });
        status = app.exec();
    }
    SetEvMan(nullptr);
    SetInternalErrorBox(nullptr);
    SetCurrentMessageBoxHost(nullptr);
    SetEnviron(nullptr);
    SetCurrentTimerHost(nullptr);
    return status;
}
