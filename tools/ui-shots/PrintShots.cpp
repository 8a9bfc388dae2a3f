#include "PrintShots.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "EventIds.h"
#include "FullImage.h"
#include "ModelType.h"
#include "ShotSave.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiEeDebugWin.h"
#include "cuiSheetPrinter.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indPrintJob.h"

namespace {

// The print preview lays out its page and the EEPROM window fills its grid before they are taken.
constexpr int PaintMs = 600;

struct FullDocument {
    FullDocument() {
        SetCurrentMessageBoxHost(&boxes);
        boxes.Answer(cmcMbResult::Ok);
        document.Start();
        document.ChangeModelType(ModelBiisPmr, true);
        FillAllChannels(document.WorkingImage(), ModelBiisPmr);
    }
    ~FullDocument() { SetCurrentMessageBoxHost(nullptr); }
    cmcScriptedMessageBox boxes;
    indDocument document;
    indCommands commands;
    indDocumentContext context{document, commands, GTex()};
};

}  // namespace

namespace PrintShots {

int Preview(const std::string& out) {
    FullDocument full;
    cuiTree tree(GTex());
    tree.Build();
    tree.AdaptToModel(ModelBiisPmr, false);
    std::string bank;
    for (const std::string& r : PrintAllReferences(tree, GTex())) {
        if (bank.empty() && cuiTree::BankOfReference(r) == 0) {
            bank = r;
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog dialog(&printer);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* device) {
        cuiSheetPrinter sheets(*device, full.context);
        sheets.PrintSheet(bank, [] { return false; });
    });
    dialog.resize(900, 760);
    dialog.show();
    SaveWhenShown(&dialog, out, PaintMs);
    return QApplication::exec();
}

int Eeprom(const std::string& out) {
    FullDocument full;
    auto* window = new cuiEeDebugWin(nullptr, full.context);
    window->show();
    EvMan().Send(EventIds::EepromGoTo, nullptr, 0x0124);
    SaveWhenShown(window, out, PaintMs);
    return QApplication::exec();
}

}  // namespace PrintShots
