// print-bench [OUT.pdf]: prints every tree node's sheet of a full BiisPmr
// image (256 channels in use) to a PDF file, as Export all sheets as PDF
// does, and reports the time and the page count.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>

#include "FullImage.h"
#include "ModelType.h"
#include "PrintTargets.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indPrintJob.h"

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string out = argc > 1 ? argv[1] : "/tmp/print-bench.pdf";
    cmcScriptedMessageBox boxes;
    SetCurrentMessageBoxHost(&boxes);
    boxes.Answer(cmcMbResult::Ok);

    indDocument doc;
    doc.Start();
    doc.ChangeModelType(ModelBiisPmr, true);
    FillAllChannels(doc.WorkingImage(), ModelBiisPmr);
    indCommands commands;
    indDocumentContext context(doc, commands, GTex());
    cuiTree tree(GTex());
    tree.Build();
    tree.AdaptToModel(ModelBiisPmr, false);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    indPrintJob job(PrintTargets::MakePdfFileTarget(out, context),
                    PrintAllReferences(tree, GTex()));
    job.RunToEnd();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("print all (%zu tree nodes) to %s: %d pages in %.0f ms (%s)\n", job.Visited(),
                out.c_str(), job.Pages(), ms,
                job.End() == cuiPrintEnd::Done ? "written" : "NOT written");
    SetCurrentMessageBoxHost(nullptr);
    return job.End() == cuiPrintEnd::Done ? 0 : 1;
}
